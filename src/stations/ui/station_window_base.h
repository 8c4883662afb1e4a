// What the station windows share: the owner drawing of TAB-separated rows in the mark colours, and
// a tool window below the main window that keeps its size under "WINDOWS", tells the window set
// when it is activated or closed, and passes "." to the keypad and Tab to the window order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QStyledItemDelegate>

#include "stations/station_windows.h"

namespace r8 {

class AppContext;

// Draws a row's fields with TextOutTabbed at tab stops laid out for 96 dpi; flagged rows in the
// MARK (HIGH when selected) colours. The row text is item data UserRole + 1, the flag UserRole.
class TabbedRowDelegate : public QStyledItemDelegate {
 public:
  struct Layout {
    std::string align;       // one code per stop: 'C', 'L', 'R'
    std::vector<int> stops;  // pixels from the cell's left edge at 96 dpi
    bool centred = false;    // the whole text centred in the cell (station lists)
  };
  TabbedRowDelegate(const AppContext& ctx, std::vector<Layout> columns, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  const AppContext& ctx_;
  std::vector<Layout> columns_;
};

class StationWindowBase : public QMainWindow {
 public:
  StationWindowBase(AppContext& ctx, StationWindow which, QWidget* main_window);
  ~StationWindowBase() override;

  StationWindow which() const { return which_; }
  // Draws the window set's state for this window.
  virtual void ShowState() = 0;
  // The edit items, carried out by the record editor when one is installed.
  std::function<void(StationWindow, const std::string& action, int record)> on_edit;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // "." to the keypad, Tab and Shift+Tab through the windows; true when the key was taken.
  bool HandleKey(int key, Qt::KeyboardModifiers mods, const QString& text);
  void BuildEditMenu();
  void ShowEditMenu();

  AppContext& ctx_;
  StationWindowSet& set_;
  const StationWindow which_;
  std::vector<std::pair<QAction*, std::string>> edit_items_;
  QAction* Mark1 = nullptr;
};

}  // namespace r8
