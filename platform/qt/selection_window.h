#ifndef PELLORA_PLATFORM_QT_SELECTION_WINDOW_H_
#define PELLORA_PLATFORM_QT_SELECTION_WINDOW_H_

#include <QDialog>
#include <string>
#include <vector>

#include "platform/common/selection_rows.h"

class QItemSelection;
class QLineEdit;
class QPushButton;
class QTableView;

namespace pellora::qt {

class SelectionGridModel;
class VisibleColumnsFilter;

// The rows chosen in a grid, in the order they were chosen: choosing and leaving out a row cost
// the same however many rows the grid has.
class ChoiceOrder {
 public:
  explicit ChoiceOrder(size_t rows) : latest_(rows, kNotChosen) {}

  void Choose(int row);
  void Leave(int row);
  bool Chosen(int row) const { return latest_[static_cast<size_t>(row)] != kNotChosen; }
  size_t Count() const { return count_; }
  std::vector<int> Rows() const;

 private:
  static constexpr size_t kNotChosen = static_cast<size_t>(-1);

  std::vector<int> order_;      // each choice of a row, the later ones after
  std::vector<size_t> latest_;  // per row, its latest choice in order_, if still chosen
  size_t count_ = 0;
};

// The chooser's window: the filter ("Procurar:"), the rows in a table that sorts by a click on a
// column's heading, then OK and Cancelar, in that order for Tab too. The filter keeps the rows
// holding its text in a shown column. A row is chosen only by selecting it where it can be seen
// (a click, the arrows, Space): Tab never chooses one, a row the filter hides is chosen no more,
// and OK, the button Enter presses, is enabled only while a row is chosen. OK (or a double click)
// chooses the selected rows; Cancelar or the close box chooses none.
class SelectionWindow : public QDialog {
 public:
  SelectionWindow(const std::string& title, const common::SelectionGrid& grid, int width,
                  bool multi_select);

  // The Ids of the chosen rows, in the order the operator chose them.
  std::vector<std::string> ChosenIds() const;

  QTableView* Table() const { return table_; }
  QLineEdit* Filter() const { return filter_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  void Track(const QItemSelection& selected, const QItemSelection& deselected);
  // After the filter changed: the rows it hides are no longer chosen.
  void LeaveHidden();
  int GridRow(int shown_row) const;
  void SizeColumns(int width);

  const common::SelectionGrid& grid_;
  SelectionGridModel* model_;
  VisibleColumnsFilter* proxy_;
  QLineEdit* filter_;
  QTableView* table_;
  QPushButton* ok_;
  QPushButton* cancel_;
  ChoiceOrder chosen_;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_SELECTION_WINDOW_H_
