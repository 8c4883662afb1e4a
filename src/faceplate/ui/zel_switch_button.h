// TZelSwitchButton: a panel lamp with a caption that can also act as a push button (the faceplate's
// "POWER" button and its "SYNCH" and "=" lamps). It knows nothing of the receiver: the faceplate
// sets the lamp from the receiver state.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace r8 {

class TZelSwitchButton : public QWidget {
  Q_OBJECT

 public:
  explicit TZelSwitchButton(QWidget* parent = nullptr);

  QColor OnColor() const { return on_color_; }
  void SetOnColor(const QColor& color);
  QColor OffColor() const { return off_color_; }
  void SetOffColor(const QColor& color);
  bool IsOn() const { return is_on_; }
  void SetIsOn(bool on);
  // A push button takes the focus and inverts IsOn on each click; a plain lamp does neither.
  bool IsButton() const { return is_button_; }
  void SetIsButton(bool button);
  // "&" marks the accelerator character, as in "&POWER".
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // What a mouse click does: a push button inverts IsOn, then clicked() is emitted.
  void Click();

  QSize sizeHint() const override;

 signals:
  void clicked();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void GrabAccelerator();
  void SetDown(bool down);
  // A push button with the focus is the default one: Enter and Space click it.
  void SetDefault(bool is_default);
  void DrawPanel(QPainter& p) const;
  void DrawLamp(QPainter& p, const QPointF& centre, double radius) const;

  QColor on_color_{0x00, 0xff, 0x00};
  QColor off_color_{0x00, 0x80, 0x00};
  bool is_on_ = false;
  bool is_button_ = false;
  bool down_ = false;  // drawn pressed while the pointer holds it
  QString caption_;
  bool default_ = false;

  bool tracking_ = false;
  int accelerator_id_ = 0;
};

}  // namespace r8
