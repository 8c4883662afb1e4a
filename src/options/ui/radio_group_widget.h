// TRadioGroup: a captioned group of radio buttons that reports the item index chosen, as the
// option pages use them. Unlike a bare button group it can show no choice at all, which the
// Options dialog needs for settings the program does not know yet.
#pragma once

#include <functional>
#include <vector>

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace r8 {

class TRadioGroup : public QGroupBox {
 public:
  TRadioGroup(const QString& caption, const QStringList& items, int columns,
              QWidget* parent = nullptr);

  // -1 when no item is chosen.
  int ItemIndex() const;
  // Sets the choice without calling on_click; -1 clears it.
  void SetItemIndex(int index);
  QRadioButton* Button(int index) const;
  int Count() const { return static_cast<int>(buttons_.size()); }
  // What the user's click on an item does (not called for SetItemIndex).
  std::function<void(int)> on_click;

 private:
  QButtonGroup* group_ = nullptr;
  std::vector<QRadioButton*> buttons_;
};

}  // namespace r8
