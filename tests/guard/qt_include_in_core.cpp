// Compiled with the core's include paths only; the build must fail right here.
#include <QObject>
