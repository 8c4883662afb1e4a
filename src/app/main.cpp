#include <QApplication>

#include "app/app_context.h"
#include "common/qt_clock.h"
#include "common/qt_user_prompts.h"
#include "faceplate/face_plate_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Veltrix R8 Control"));
  QApplication::setApplicationDisplayName(QStringLiteral("Veltrix R8 Control 32"));

  r8::TFacePlate* main_window = nullptr;
  r8::QtClock clock;
  r8::AppContext* context = nullptr;
  r8::QtUserPrompts prompts([&]() -> QWidget* { return main_window; },
                            [&] {
                              return context && context->startup_finished && main_window &&
                                     !main_window->isMinimized();
                            });
  r8::AppContext ctx(clock, prompts);
  context = &ctx;
  ctx.LoadSettings();

  r8::TFacePlate face(ctx);
  main_window = &face;
  face.show();
  ctx.startup_finished = true;
  return app.exec();
}
