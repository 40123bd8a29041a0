#ifndef PELLORA_PLATFORM_QT_SELECTION_GRID_MODEL_H_
#define PELLORA_PLATFORM_QT_SELECTION_GRID_MODEL_H_

#include <QAbstractTableModel>
#include <vector>

class QTableView;

#include "platform/common/selection_rows.h"
#include "platform/qt/cell_kind.h"

namespace pellora::qt {

// The rows of a selection grid as a read-only table model, answered from the grid itself: no
// cell is copied, so a company's tens of thousands of sets cost their text once. The column
// names are the headings; numbers stand to the right. Each row gives its position in the grid
// as Qt::UserRole, which sorting leaves alone, and what it sorts by as kSortRole: numbers by
// value, dates by day.
class SelectionGridModel : public QAbstractTableModel {
 public:
  static constexpr int kSortRole = Qt::UserRole + 1;

  explicit SelectionGridModel(QObject* parent) : QAbstractTableModel(parent) {}

  // Shows `grid`, which must outlive the model or the next Show or Keep.
  void Show(const common::SelectionGrid& grid);
  // Shows a grid the model keeps.
  void Keep(common::SelectionGrid grid);
  const common::SelectionGrid& Grid() const { return *grid_; }
  CellKind KindOf(int column) const { return kinds_[static_cast<size_t>(column)]; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  // Each column's kind, from a sample of its rows.
  void LearnKinds();
  QVariant Alignment(int column) const;

  common::SelectionGrid kept_;
  const common::SelectionGrid* grid_ = &kept_;
  std::vector<CellKind> kinds_;
};

// Lets `view`, showing a proxy over a SelectionGridModel, sort by a click on a heading, in the
// rows' own order until then: nothing is sorted before the operator asks.
void SortOnHeadingClick(QTableView& view);

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_SELECTION_GRID_MODEL_H_
