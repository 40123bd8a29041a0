#include "platform/qt/grid_model.h"

#include <QStandardItemModel>

#include "platform/qt/qt_text.h"

namespace pellora::qt {

void FillModel(QStandardItemModel& model, const common::SelectionGrid& grid) {
  model.clear();
  model.setColumnCount(static_cast<int>(grid.columns.size()));
  for (size_t column = 0; column < grid.columns.size(); ++column) {
    model.setHorizontalHeaderItem(static_cast<int>(column),
                                  new QStandardItem(ToQ(grid.columns[column].Name())));
  }
  for (size_t row = 0; row < grid.rows.size(); ++row) {
    QList<QStandardItem*> items;
    for (const std::string& cell : grid.rows[row]) {
      auto* item = new QStandardItem(ToQ(cell));
      item->setEditable(false);
      item->setData(static_cast<int>(row), Qt::UserRole);
      items.append(item);
    }
    model.appendRow(items);
  }
}

}  // namespace pellora::qt
