#ifndef PELLORA_PLATFORM_QT_SELECTION_WINDOW_H_
#define PELLORA_PLATFORM_QT_SELECTION_WINDOW_H_

#include <QDialog>
#include <string>
#include <vector>

#include "platform/common/selection_rows.h"

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace pellora::qt {

// The chooser's window: the rows in a table that sorts by a click on a column's heading and
// shows only the rows holding the text typed in its filter, with the hidden columns left out.
// OK (or a double click) chooses the selected rows; Cancelar or the close box chooses none.
class SelectionWindow : public QDialog {
 public:
  SelectionWindow(const std::string& title, const common::SelectionGrid& grid, int width,
                  bool multi_select);

  // The Ids of the selected rows, in the order the operator selected them.
  std::vector<std::string> ChosenIds() const;

  QTableView* Table() const { return table_; }
  QLineEdit* Filter() const { return filter_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  void TrackSelection();

  const common::SelectionGrid& grid_;
  QStandardItemModel* model_;
  QSortFilterProxyModel* proxy_;
  QTableView* table_;
  QLineEdit* filter_;
  QPushButton* ok_;
  QPushButton* cancel_;
  std::vector<int> chosen_rows_;  // rows of the grid, in selection order
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_SELECTION_WINDOW_H_
