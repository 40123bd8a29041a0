#ifndef PELLORA_PLATFORM_QT_TABLE_PLACE_H_
#define PELLORA_PLATFORM_QT_TABLE_PLACE_H_

#include <QString>
#include <QStringList>

class QTableView;

namespace pellora::qt {

// Where the operator is in a table: the rows chosen, the current one and the first in view,
// each by the text of its first `key_columns` cells, so that it is found again after the rows
// are read anew (rows come and go, and the order may differ).
struct TablePlace {
  QStringList selected;
  QString current;
  int current_column = 0;
  QString top;
  int vertical = 0;
  int horizontal = 0;
};

TablePlace PlaceIn(const QTableView& view, int key_columns);
// Chooses the rows of `place` that are still there and brings its first row back into view.
void ReturnTo(QTableView& view, const TablePlace& place, int key_columns);

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_TABLE_PLACE_H_
