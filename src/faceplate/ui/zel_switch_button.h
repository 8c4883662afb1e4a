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
  // Drawn pressed state.
  enum class ButtonState { kUp, kDisabled, kDown, kExclusive };
  // Where the lamp stands; the caption takes the other side.
  enum class ButtonLayout { kGlyphLeft, kGlyphRight, kGlyphTop, kGlyphBottom };

  static constexpr int kMaxLabelLength = 255;

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
  ButtonState IsDown() const { return is_down_; }
  void SetIsDown(ButtonState state);
  ButtonLayout CapLocation() const { return cap_location_; }
  void SetCapLocation(ButtonLayout layout);
  // Extra caption lines above (1) and below (2) the caption; longer texts are cut to 255.
  const QString& CapLabel1() const { return cap_label1_; }
  void SetCapLabel1(const QString& text);
  const QString& CapLabel2() const { return cap_label2_; }
  void SetCapLabel2(const QString& text);
  // Whether the lamp is drawn at all.
  bool IsGlyph() const { return is_glyph_; }
  void SetIsGlyph(bool glyph);
  // "&" marks the accelerator character, as in "&POWER".
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  bool Default() const { return default_; }
  void SetDefault(bool is_default);

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
  bool DrawnDown() const;
  void DrawPanel(QPainter& p) const;
  void DrawLamp(QPainter& p, const QPointF& centre, double radius) const;

  QColor on_color_{0x00, 0xff, 0x00};
  QColor off_color_{0x00, 0x80, 0x00};
  bool is_on_ = false;
  bool is_button_ = false;
  ButtonState is_down_ = ButtonState::kUp;
  ButtonLayout cap_location_ = ButtonLayout::kGlyphLeft;
  QString cap_label1_;
  QString cap_label2_;
  bool is_glyph_ = true;
  QString caption_;
  bool default_ = false;

  bool tracking_ = false;
  int accelerator_id_ = 0;
};

}  // namespace r8
