#include "platform/qt/selection_grid_model.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <utility>

#include "platform/qt/qt_text.h"

namespace pellora::qt {

void SelectionGridModel::Show(const common::SelectionGrid& grid) {
  beginResetModel();
  grid_ = &grid;
  LearnKinds();
  endResetModel();
}

void SelectionGridModel::Keep(common::SelectionGrid grid) {
  beginResetModel();
  kept_ = std::move(grid);
  grid_ = &kept_;
  LearnKinds();
  endResetModel();
}

void SelectionGridModel::LearnKinds() {
  kinds_.clear();
  for (size_t column = 0; column < grid_->columns.size(); ++column) {
    kinds_.push_back(ColumnKind(static_cast<int>(grid_->rows.size()), [&](int row) {
      return std::string_view(grid_->rows[static_cast<size_t>(row)][column]);
    }));
  }
}

int SelectionGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(grid_->rows.size());
}

int SelectionGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(grid_->columns.size());
}

QVariant SelectionGridModel::Alignment(int column) const {
  const Qt::Alignment horizontal =
      KindOf(column) == CellKind::kNumber ? Qt::AlignRight : Qt::AlignLeft;
  return QVariant::fromValue(horizontal | Qt::AlignVCenter);
}

QVariant SelectionGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const std::string& text =
      grid_->rows[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole:
      return ToQ(text);
    case Qt::TextAlignmentRole:
      return Alignment(index.column());
    case Qt::UserRole:
      return index.row();
    case kSortRole:
      return SortKey(KindOf(index.column()), text);
    default:
      return {};
  }
}

QVariant SelectionGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole) return ToQ(grid_->columns[static_cast<size_t>(section)].Name());
  if (role == Qt::TextAlignmentRole) return Alignment(section);
  return {};
}

void SortOnHeadingClick(QTableView& view) {
  if (auto* proxy = qobject_cast<QSortFilterProxyModel*>(view.model())) {
    proxy->setSortRole(SelectionGridModel::kSortRole);
  }
  // Enabling sorting sorts by the indicator's column: none.
  view.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  view.setSortingEnabled(true);
}

}  // namespace pellora::qt
