// TBanner: the start-up banner shown over the main window while the station database loads. It
// lies on top of the window's own contents, so it never takes the focus from it.
#pragma once

#include <QWidget>

namespace r8 {

class TBanner : public QWidget {
 public:
  explicit TBanner(QWidget* window);
  // Centres the banner over its window and shows it at once.
  void ShowOver();
  // Where it is on the screen (the progress window goes just below it).
  QRect ScreenRect() const;
};

}  // namespace r8
