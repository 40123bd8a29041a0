#include "platform/common/selection_rows.h"

#include "platform/common/cell_text.h"

namespace pellora::common {

SelectionGrid ReadSelectionGrid(Recordset& recordset) {
  SelectionGrid grid;
  for (size_t i = 0; i < recordset.FieldCount(); ++i) {
    grid.columns.emplace_back(recordset.FieldDefAt(i).name);
  }
  if (recordset.RecordCount() == 0) return grid;
  for (recordset.MoveFirst(); !recordset.Eof(); recordset.MoveNext()) {
    std::vector<std::string>& row = grid.rows.emplace_back();
    for (size_t i = 0; i < recordset.FieldCount(); ++i) {
      row.push_back(CellText(recordset.Fields(i).Value()));
    }
  }
  return grid;
}

}  // namespace pellora::common
