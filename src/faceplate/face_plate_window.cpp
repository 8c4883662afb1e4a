#include "faceplate/face_plate_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QTimer>

#include "app/app_context.h"
#include "common/clock.h"
#include "common/format.h"
#include "common/qt_user_prompts.h"

namespace r8 {

TFacePlate::TFacePlate(AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
  setObjectName(QStringLiteral("FacePlate"));
  setWindowTitle(QStringLiteral("Veltrix R8 Control 32"));

  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel"));
  panel->setStyleSheet(
      QStringLiteral("#Panel { background: #26282b; }"
                     "QLabel { color: #f0a030; font-family: 'DejaVu Sans Mono', monospace; }"
                     "#TimeLbl { font-size: 11pt; color: #b0b4ba; }"
                     "#ClockLbl { font-size: 22pt; }"));
  TimeLbl = new QLabel(panel);
  TimeLbl->setObjectName(QStringLiteral("TimeLbl"));
  ClockLbl = new QLabel(panel);
  ClockLbl->setObjectName(QStringLiteral("ClockLbl"));
  auto* layout = new QGridLayout(panel);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(3, 1);
  layout->addWidget(TimeLbl, 0, 1, Qt::AlignRight | Qt::AlignBaseline);
  layout->addWidget(ClockLbl, 0, 2, Qt::AlignLeft | Qt::AlignBaseline);
  setCentralWidget(panel);
  resize(fontMetrics().averageCharWidth() * 60, fontMetrics().height() * 8);

  tick_ = new QTimer(this);
  tick_->setInterval(100);
  connect(tick_, &QTimer::timeout, this, &TFacePlate::UpdateClock);
  tick_->start();
  UpdateClock();
}

void TFacePlate::UpdateClock() {
  const Settings& s = ctx_.settings();
  const bool utc = s.ClockDisplay != 1;
  TimeLbl->setText(utc ? QStringLiteral("UTC") : QStringLiteral("LOCAL"));
  const double offset = utc && s.TimeOffset != kTimeNotSet ? s.TimeOffset : 0.0;
  const ClockReading r = GetClock(ctx_.clock(), offset, utc ? 2 : s.local_clock);
  const char day = kDayLetters[static_cast<std::size_t>(r.day_of_week - 1)];
  ClockLbl->setText(ToQt(r.time4.substr(0, 2) + ":" + r.time4.substr(2, 2) + " " + day));
}

}  // namespace r8
