#ifndef PELLORA_PLATFORM_QT_QT_DATA_GRID_H_
#define PELLORA_PLATFORM_QT_QT_DATA_GRID_H_

#include <QAbstractTableModel>
#include <string>

#include "platform/common/bound_grid.h"

class QTableView;

namespace pellora::qt {

class QtDataGrid;

// The visible columns of a bound grid as a table model: cells shown through their number
// format, edited as typed (a decimal comma included) and refused as the grid refuses them.
class BoundGridModel : public QAbstractTableModel {
 public:
  explicit BoundGridModel(common::BoundGrid& grid) : grid_(grid) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  void Reset();

 private:
  std::string FieldAt(int column) const;
  QVariant Alignment(int column) const;

  common::BoundGrid& grid_;
};

// A data grid as a table view. The add-in may read its cells off the interface thread while the
// view draws them: both go through the interface thread, one at a time.
class QtDataGrid : public common::BoundGrid {
 public:
  explicit QtDataGrid(QTableView* view);

  void SetStyleFont(const std::string& style, const std::string& font) override;
  void SetRedraw(bool on) override;
  void Bind(RecordsetPtr recordset) override;
  void SetColumn(const std::string& field, const GridColumn& column) override;
  long RowCount() override;
  Variant CellValue(long row, const std::string& field) override;
  Variant CellLoadedValue(long row, const std::string& field) override;

 private:
  void Refresh();

  QTableView* view_;
  BoundGridModel* model_;
  bool redraw_ = true;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_DATA_GRID_H_
