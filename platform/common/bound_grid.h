#ifndef PELLORA_PLATFORM_COMMON_BOUND_GRID_H_
#define PELLORA_PLATFORM_COMMON_BOUND_GRID_H_

#include <string>
#include <utility>
#include <vector>

#include "interfaces/controls.h"

namespace pellora::common {

// What a data grid bound to a Recordset does whoever draws it: its columns' looks, the cells
// as shown and as typed, and the before-update check. Rows are the records from 0.
class BoundGrid : public DataGrid {
 public:
  using Column = std::pair<std::string, GridColumn>;  // field, look
  enum class Edit { kAccepted, kLocked, kRefused };

  // The operator types `text` into a cell. A locked column takes nothing; the before-update
  // check may refuse the text, and so may the field when the text does not fit its type.
  Edit Type(long row, const std::string& field, const std::string& text);
  // The cell as shown: through its column's number format when it has one.
  std::string ShownText(long row, const std::string& field);
  // The field of the visible column with this caption (any case); empty when none.
  std::string FieldCaptioned(const std::string& caption) const;
  std::vector<const Column*> VisibleColumns() const;
  const GridColumn& ColumnOf(const std::string& field) const;

  void Bind(RecordsetPtr recordset) override;
  void SetColumn(const std::string& field, const GridColumn& column) override;
  void OnBeforeUpdate(BeforeUpdate handler) override { before_update_ = std::move(handler); }
  long RowCount() override;
  Variant CellValue(long row, const std::string& field) override;
  Variant CellLoadedValue(long row, const std::string& field) override;

 private:
  Field CellAt(long row, const std::string& field);
  size_t ColumnIndex(const std::string& field) const;

  RecordsetPtr recordset_;
  std::vector<Column> columns_;  // in field order
  BeforeUpdate before_update_;
};

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_BOUND_GRID_H_
