#include "platform/qt/table_place.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QScrollBar>
#include <QSet>
#include <QTableView>

namespace pellora::qt {
namespace {

QString KeyOf(const QAbstractItemModel& model, int row, int key_columns) {
  QStringList cells;
  for (int column = 0; column < key_columns; ++column) {
    cells << model.index(row, column).data().toString();
  }
  return cells.join(QChar(0x1f));
}

}  // namespace

TablePlace PlaceIn(const QTableView& view, int key_columns) {
  const QAbstractItemModel& model = *view.model();
  TablePlace place;
  for (const QModelIndex& row : view.selectionModel()->selectedRows()) {
    place.selected << KeyOf(model, row.row(), key_columns);
  }
  if (view.currentIndex().isValid()) {
    place.current = KeyOf(model, view.currentIndex().row(), key_columns);
    place.current_column = view.currentIndex().column();
  }
  place.vertical = view.verticalScrollBar()->value();
  place.horizontal = view.horizontalScrollBar()->value();
  const int top = view.rowAt(0);
  if (top > 0) place.top = KeyOf(model, top, key_columns);
  return place;
}

void ReturnTo(QTableView& view, const TablePlace& place, int key_columns) {
  // The first read and an untouched list cost nothing: every row is looked at only when there
  // is a place to find.
  if (place.selected.isEmpty() && place.current.isEmpty() && place.top.isEmpty()) {
    view.horizontalScrollBar()->setValue(place.horizontal);
    return;
  }
  const QAbstractItemModel& model = *view.model();
  const QSet<QString> selected(place.selected.begin(), place.selected.end());
  QItemSelection rows;
  int current = -1;
  int top = -1;
  for (int row = 0; row < model.rowCount(); ++row) {
    const QString key = KeyOf(model, row, key_columns);
    if (selected.contains(key)) {
      rows.select(model.index(row, 0), model.index(row, model.columnCount() - 1));
    }
    if (key == place.current) current = row;
    if (key == place.top) top = row;
  }
  view.selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
  if (current >= 0) {
    view.selectionModel()->setCurrentIndex(model.index(current, place.current_column),
                                           QItemSelectionModel::NoUpdate);
  }
  if (top >= 0) {
    view.scrollTo(model.index(top, 0), QAbstractItemView::PositionAtTop);
  } else {
    view.verticalScrollBar()->setValue(place.vertical);
  }
  view.horizontalScrollBar()->setValue(place.horizontal);
}

}  // namespace pellora::qt
