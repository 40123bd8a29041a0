#include "platform/qt/qt_data_grid.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>

#include "platform/common/cell_text.h"
#include "platform/qt/gui_thread.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/screen_size.h"

namespace pellora::qt {

int BoundGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(grid_.RowCount());
}

int BoundGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(grid_.VisibleColumns().size());
}

std::string BoundGridModel::FieldAt(int column) const {
  return grid_.VisibleColumns()[static_cast<size_t>(column)]->first;
}

QVariant BoundGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return ToQ(grid_.ShownText(index.row(), FieldAt(index.column())));
  if (role == Qt::EditRole) {
    return ToQ(common::CellText(grid_.CellValue(index.row(), FieldAt(index.column()))));
  }
  if (role == Qt::TextAlignmentRole) return Alignment(index.column());
  return {};
}

// Columns with a number format hold numbers: they stand to the right.
QVariant BoundGridModel::Alignment(int column) const {
  const bool number = !grid_.ColumnOf(FieldAt(column)).number_format.empty();
  return QVariant::fromValue((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

QVariant BoundGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) return Alignment(section);
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return ToQ(grid_.VisibleColumns()[static_cast<size_t>(section)]->second.caption);
}

Qt::ItemFlags BoundGridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.isValid() && !grid_.ColumnOf(FieldAt(index.column())).locked) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

bool BoundGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  if (grid_.Type(index.row(), FieldAt(index.column()), FromQ(value.toString())) !=
      common::BoundGrid::Edit::kAccepted) {
    return false;
  }
  emit dataChanged(index, index);
  return true;
}

void BoundGridModel::Reset() {
  beginResetModel();
  endResetModel();
}

QtDataGrid::QtDataGrid(QTableView* view) : view_(view), model_(new BoundGridModel(*this)) {
  model_->setParent(view_);
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectItems);
  view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
}

void QtDataGrid::SetStyleFont(const std::string& style, const std::string& font) {
  OnGui([&] {
    if (style == "Heading") {
      view_->horizontalHeader()->setFont(QFont(ToQ(font)));
    } else {
      view_->setFont(QFont(ToQ(font)));
    }
  });
}

void QtDataGrid::SetRedraw(bool on) {
  OnGui([&] {
    redraw_ = on;
    view_->setUpdatesEnabled(on);
    if (on) Refresh();
  });
}

void QtDataGrid::Bind(RecordsetPtr recordset) {
  OnGui([&] {
    BoundGrid::Bind(std::move(recordset));
    Refresh();
  });
}

void QtDataGrid::SetColumn(const std::string& field, const GridColumn& column) {
  OnGui([&] {
    BoundGrid::SetColumn(field, column);
    if (redraw_) Refresh();
  });
}

long QtDataGrid::RowCount() {
  return OnGuiValue([this] { return BoundGrid::RowCount(); });
}

Variant QtDataGrid::CellValue(long row, const std::string& field) {
  return OnGuiValue([&] { return BoundGrid::CellValue(row, field); });
}

Variant QtDataGrid::CellLoadedValue(long row, const std::string& field) {
  return OnGuiValue([&] { return BoundGrid::CellLoadedValue(row, field); });
}

void QtDataGrid::Refresh() {
  model_->Reset();
  const auto visible = VisibleColumns();
  for (size_t column = 0; column < visible.size(); ++column) {
    if (visible[column]->second.width > 0) {
      view_->setColumnWidth(static_cast<int>(column),
                            TwipsToPixels(visible[column]->second.width, *view_));
    }
  }
}

}  // namespace pellora::qt
