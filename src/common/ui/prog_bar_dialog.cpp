#include "common/ui/prog_bar_dialog.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "common/ui/qt_user_prompts.h"

namespace r8 {

TProgBar::TProgBar(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      prompts_(prompts) {
  setObjectName(QStringLiteral("ProgBar"));
  setWindowTitle(QStringLiteral("Loading Database..."));
  setModal(false);

  Bevel1 = new QFrame(this);
  Bevel1->setFrameShape(QFrame::StyledPanel);
  Bevel1->setFrameShadow(QFrame::Sunken);
  BarLbl = new QLabel(Bevel1);
  ProgressBar1 = new QProgressBar(Bevel1);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setTextVisible(false);
  PctLbl = new QLabel(QStringLiteral("0%"), Bevel1);
  PctLbl->setAlignment(Qt::AlignCenter);

  auto* inner = new QVBoxLayout(Bevel1);
  inner->addWidget(BarLbl);
  inner->addWidget(ProgressBar1);
  inner->addWidget(PctLbl);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(Bevel1);
  setMinimumWidth(fontMetrics().averageCharWidth() * 48);
}

void TProgBar::Prepare(const std::string& caption, const std::string& message) {
  setWindowTitle(ToQt(caption));
  BarLbl->setText(ToQt(message));
  ProgressBar1->setValue(0);
  PctLbl->setText(QStringLiteral("0%"));
}

void TProgBar::ShowPercent(int percent) {
  ProgressBar1->setValue(percent);
  PctLbl->setText(QString::number(percent) + QLatin1Char('%'));
  PctLbl->repaint();
  ProgressBar1->repaint();
}

void TProgBar::Open(std::string_view caption, std::string_view message) {
  Prepare(std::string(caption), std::string(message));
  show();
  raise();
  // The operation runs on this thread: let the window appear before it starts.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TProgBar::SetMessage(std::string_view message) {
  BarLbl->setText(ToQt(std::string(message)));
  BarLbl->repaint();
}

void TProgBar::Close() { hide(); }

void TProgBar::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TProgBar::hideEvent(QHideEvent* event) {
  FormClose();
  QDialog::hideEvent(event);
}

void TProgBar::FormShow() {
  if (!busy_) {
    prompts_.BusyCursor(true);
    busy_ = true;
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect s = screen->availableGeometry();
  std::optional<ScreenRect> banner;
  if (banner_ && banner_->isVisible()) {
    // The banner may be a window or lie over one: its place on the screen either way.
    const QRect b = banner_->isWindow()
                        ? banner_->frameGeometry()
                        : QRect(banner_->mapToGlobal(QPoint(0, 0)), banner_->size());
    banner = ScreenRect{b.left(), b.top(), b.width(), b.height()};
  }
  const QSize size = frameGeometry().size();
  const WindowPos pos = ProgressWindowPosition({s.left(), s.top(), s.width(), s.height()},
                                               size.width(), size.height(), banner);
  move(pos.x, pos.y);
}

void TProgBar::FormClose() {
  if (busy_) {
    prompts_.BusyCursor(false);
    busy_ = false;
  }
}

}  // namespace r8
