#include "faceplate/ui/zel_switch_button.h"

#include <algorithm>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QShortcutEvent>

namespace r8 {
namespace {

constexpr int kDefaultWidth = 65;
constexpr int kDefaultHeight = 35;
constexpr double kPanelInset = 3.0;  // border, bevel and the default ring of a push button
constexpr double kSpacing = 4.0;     // between lamp and caption
constexpr double kMinLampRadius = 3.0;
constexpr double kMaxLampRadius = 7.0;
constexpr double kBezel = 1.5;

const QColor kCaptionColor(0xe4, 0xe7, 0xea);
const QColor kDisabledColor(0x6a, 0x6e, 0x74);
const QColor kDefaultRing(0xf0, 0xa0, 0x30, 0xd0);

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF());
}

}  // namespace

TZelSwitchButton::TZelSwitchButton(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  resize(kDefaultWidth, kDefaultHeight);
}

void TZelSwitchButton::SetOnColor(const QColor& color) {
  if (color == on_color_) return;
  on_color_ = color;
  update();
}

void TZelSwitchButton::SetOffColor(const QColor& color) {
  if (color == off_color_) return;
  off_color_ = color;
  update();
}

void TZelSwitchButton::SetIsOn(bool on) {
  if (on == is_on_) return;
  is_on_ = on;
  update();
}

void TZelSwitchButton::SetIsButton(bool button) {
  if (button == is_button_) return;
  is_button_ = button;
  setFocusPolicy(button ? Qt::StrongFocus : Qt::NoFocus);
  update();
}

void TZelSwitchButton::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  GrabAccelerator();
  update();
}

void TZelSwitchButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  update();
}

void TZelSwitchButton::SetDefault(bool is_default) {
  if (is_default == default_) return;
  default_ = is_default;
  update();
}

void TZelSwitchButton::Click() {
  // The lamp answers at once; the owner then sets it from what really happened.
  if (is_button_) SetIsOn(!is_on_);
  emit clicked();
}

QSize TZelSwitchButton::sizeHint() const { return QSize(kDefaultWidth, kDefaultHeight); }

void TZelSwitchButton::GrabAccelerator() {
  if (accelerator_id_ != 0) releaseShortcut(accelerator_id_);
  accelerator_id_ = 0;
  const QKeySequence key = QKeySequence::mnemonic(caption_);
  if (!key.isEmpty()) accelerator_id_ = grabShortcut(key);
}

bool TZelSwitchButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut &&
      static_cast<QShortcutEvent*>(event)->shortcutId() == accelerator_id_) {
    if (isEnabled()) Click();
    return true;
  }
  return QWidget::event(event);
}

void TZelSwitchButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  if (is_button_) {
    SetDefault(true);
    setFocus(Qt::MouseFocusReason);
  }
  tracking_ = true;
  SetDown(true);
}

void TZelSwitchButton::mouseMoveEvent(QMouseEvent* event) {
  if (!tracking_) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  const bool inside = rect().contains(event->position().toPoint());
  SetDown(inside);
}

void TZelSwitchButton::mouseReleaseEvent(QMouseEvent* event) {
  if (!tracking_ || event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  tracking_ = false;
  SetDown(false);
  if (rect().contains(event->position().toPoint())) Click();
}

void TZelSwitchButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool press_key = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  if (press_key && is_button_ && default_ && hasFocus()) {
    if (!event->isAutoRepeat()) Click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TZelSwitchButton::focusInEvent(QFocusEvent* event) {
  if (is_button_) SetDefault(true);
  QWidget::focusInEvent(event);
}

void TZelSwitchButton::focusOutEvent(QFocusEvent* event) {
  if (is_button_) SetDefault(false);
  QWidget::focusOutEvent(event);
}

void TZelSwitchButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    tracking_ = false;
    SetDown(false);
  }
  QWidget::changeEvent(event);
}

void TZelSwitchButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QRectF area = QRectF(rect());
  if (is_button_) {
    DrawPanel(p);
    area.adjust(kPanelInset, kPanelInset, -kPanelInset, -kPanelInset);
    if (down_) area.translate(1, 1);
  }

  // The lamp takes what the caption leaves, up to a panel lamp's usual size; lamp and caption are
  // centred together, the lamp on the left.
  const QSizeF text =
      caption_.isEmpty() ? QSizeF() : QFontMetricsF(font()).size(Qt::TextShowMnemonic, caption_);
  const double gap = text.isEmpty() ? 0.0 : kSpacing;
  const double along = area.width() - text.width() - gap;
  const double radius =
      std::clamp((std::min(area.height(), along) - kBezel * 2) / 2, kMinLampRadius, kMaxLampRadius);
  const double lamp = 2 * (radius + kBezel);
  const double x = area.center().x() - (lamp + gap + text.width()) / 2;
  DrawLamp(p, QPointF(x + lamp / 2, area.center().y()), radius);

  if (text.isEmpty()) return;
  p.setFont(font());
  p.setPen(isEnabled() ? kCaptionColor : kDisabledColor);
  const QRectF box(x + lamp + gap, area.center().y() - text.height() / 2, text.width(),
                   text.height());
  p.drawText(box, Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

void TZelSwitchButton::DrawPanel(QPainter& p) const {
  const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const double radius = 4.0;

  // The recess in the panel the button sits in, ringed when it is the default button.
  p.setPen(default_ ? QPen(kDefaultRing, 1.2) : QPen(QColor(0x08, 0x09, 0x0a), 1.0));
  p.setBrush(QColor(0x0b, 0x0c, 0x0d));
  p.drawRoundedRect(outer, radius, radius);

  const QRectF body = outer.adjusted(2, 2, -2, -2);
  const bool down = down_;
  QLinearGradient face(body.topLeft(), body.bottomLeft());
  if (down) {
    face.setColorAt(0.0, QColor(0x1e, 0x20, 0x23));
    face.setColorAt(0.25, QColor(0x2c, 0x2f, 0x33));
    face.setColorAt(1.0, QColor(0x34, 0x37, 0x3c));
  } else {
    face.setColorAt(0.0, QColor(0x62, 0x66, 0x6c));
    face.setColorAt(0.12, QColor(0x4c, 0x50, 0x56));
    face.setColorAt(0.6, QColor(0x3a, 0x3d, 0x42));
    face.setColorAt(1.0, QColor(0x2a, 0x2c, 0x30));
  }
  p.setPen(QPen(QColor(0x05, 0x06, 0x07), 1.0));
  p.setBrush(face);
  p.drawRoundedRect(body, radius - 1, radius - 1);

  // Bevel: light catches the top edge of a raised button; a pressed one shows its shadow instead.
  const QRectF bevel = body.adjusted(1, 1, -1, -1);
  QPainterPath top;
  top.moveTo(bevel.left(), bevel.bottom() - radius);
  top.lineTo(bevel.left(), bevel.top() + radius - 1);
  top.quadTo(bevel.topLeft(), QPointF(bevel.left() + radius - 1, bevel.top()));
  top.lineTo(bevel.right() - radius + 1, bevel.top());
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(down ? QColor(0, 0, 0, 140) : QColor(255, 255, 255, 70), 1.0));
  p.drawPath(top);
  if (!down) {
    QPainterPath bottom;
    bottom.moveTo(bevel.left() + radius - 1, bevel.bottom());
    bottom.lineTo(bevel.right() - radius + 1, bevel.bottom());
    bottom.quadTo(bevel.bottomRight(), QPointF(bevel.right(), bevel.bottom() - radius + 1));
    bottom.lineTo(bevel.right(), bevel.top() + radius);
    p.setPen(QPen(QColor(0, 0, 0, 110), 1.0));
    p.drawPath(bottom);
  }
}

void TZelSwitchButton::DrawLamp(QPainter& p, const QPointF& centre, double radius) const {
  p.setPen(Qt::NoPen);
  if (is_on_) {
    // Glow spilling onto the panel around a lit lamp; it fades out before the control's edge so
    // no straight cut shows.
    const QRectF bounds(rect());
    const double reach =
        std::min({radius * 2.4, centre.x() - bounds.left(), bounds.right() - centre.x(),
                  centre.y() - bounds.top(), bounds.bottom() - centre.y()});
    QRadialGradient halo(centre, std::max(reach, radius));
    QColor inner = on_color_;
    inner.setAlphaF(0.45);
    QColor outer = on_color_;
    outer.setAlphaF(0.0);
    halo.setColorAt(0.3, inner);
    halo.setColorAt(1.0, outer);
    p.setBrush(halo);
    p.drawEllipse(centre, std::max(reach, radius), std::max(reach, radius));
  }

  // Metal bezel, lit from above.
  const double bezel = radius + kBezel;
  QLinearGradient ring(centre - QPointF(0, bezel), centre + QPointF(0, bezel));
  ring.setColorAt(0.0, QColor(0x0a, 0x0b, 0x0c));
  ring.setColorAt(1.0, QColor(0x7a, 0x7e, 0x84));
  p.setBrush(ring);
  p.drawEllipse(centre, bezel, bezel);

  // The lens, lit from inside when on; when off only the room light models it.
  const QPointF focal = centre + QPointF(-0.3 * radius, -0.35 * radius);
  QRadialGradient lens(centre, radius, focal);
  if (is_on_) {
    lens.setColorAt(0.0, Mix(on_color_, Qt::white, 0.8));
    lens.setColorAt(0.45, Mix(on_color_, Qt::white, 0.2));
    lens.setColorAt(0.85, on_color_);
    lens.setColorAt(1.0, on_color_.darker(150));
  } else {
    lens.setColorAt(0.0, off_color_.darker(110));
    lens.setColorAt(0.6, off_color_.darker(190));
    lens.setColorAt(1.0, off_color_.darker(320));
  }
  p.setBrush(lens);
  p.drawEllipse(centre, radius, radius);

  // Where the room light catches the dome.
  const QRectF spot(centre.x() - 0.6 * radius, centre.y() - 0.75 * radius, 0.7 * radius,
                    0.45 * radius);
  QRadialGradient shine(spot.center(), spot.width() / 2);
  shine.setColorAt(0.0, QColor(255, 255, 255, is_on_ ? 200 : 110));
  shine.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setBrush(shine);
  p.drawEllipse(spot);
}

}  // namespace r8
