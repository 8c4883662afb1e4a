// TBandPlan, "Band Plan": the band table on two pages, from which a double-click (or Enter) tunes
// a band edge or scans a band. Its height is kept in the settings file; its width is fixed.
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

class QHeaderView;
class QStatusBar;
class QTabWidget;
class QTableWidget;

namespace r8 {

class AppContext;

class TBandPlan : public QWidget {
 public:
  explicit TBandPlan(AppContext& ctx, QWidget* parent = nullptr);
  ~TBandPlan() override;

  // Whether the faceplate takes typed keys now (a "." typed here goes to its keypad entry).
  std::function<bool()> keys_active;

  // Both grids on their first cell.
  void GoToStart();
  // The double-click on the grid's current cell.
  void BandLstDblClick(QTableWidget* grid);
  void ShowStatus();

  QTabWidget* PageControl1 = nullptr;
  QWidget* BCPage = nullptr;
  QWidget* UtePage = nullptr;
  QHeaderView* HeaderControl1 = nullptr;
  QHeaderView* HeaderControl2 = nullptr;
  QTableWidget* BandGrd1 = nullptr;
  QTableWidget* BandGrd2 = nullptr;
  QStatusBar* StatusBar1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QWidget* MakePage(int page, QHeaderView*& header, QTableWidget*& grid, const char* page_name,
                    const char* header_name, const char* grid_name);
  QTableWidget* ActiveGrid() const;
  // The table rows a grid shows, in its row order.
  const std::vector<int>& RowsOf(const QTableWidget* grid) const;
  bool HandleKey(QKeyEvent* event);

  AppContext& ctx_;
  std::vector<int> rows1_, rows2_;
};

}  // namespace r8
