#ifndef PELLORA_PLATFORM_CONSOLE_FORM_DATA_GRID_H_
#define PELLORA_PLATFORM_CONSOLE_FORM_DATA_GRID_H_

#include <string>
#include <utility>
#include <vector>

#include "interfaces/controls.h"
#include "platform/console/form_field.h"

namespace pellora::console {

// A data grid printed as a table of its visible columns, each headed by its number and caption,
// one numbered line per row. The operator types a cell as "row column value". Fonts and
// repainting do not apply on a console: the table is printed when the form is shown.
class ConsoleDataGrid : public DataGrid, public FormField {
 public:
  enum class Edit { kAccepted, kLocked, kRefused };

  // The operator types `text` into a cell. A locked column takes nothing; the before-update
  // check may refuse the text, and so may the field when the text does not fit its type.
  Edit Type(long row, const std::string& field, const std::string& text);
  // The cell as shown: through its column's number format when it has one.
  std::string ShownText(long row, const std::string& field);
  // The field of the visible column with this caption (any case); empty when none.
  std::string FieldCaptioned(const std::string& caption) const;

  void SetStyleFont(const std::string&, const std::string&) override {}
  void SetRedraw(bool) override {}
  void Bind(RecordsetPtr recordset) override;
  void SetColumn(const std::string& field, const GridColumn& column) override;
  void OnBeforeUpdate(BeforeUpdate handler) override { before_update_ = std::move(handler); }
  long RowCount() override;
  Variant CellValue(long row, const std::string& field) override;
  Variant CellLoadedValue(long row, const std::string& field) override;

  void Render(std::ostream& out, bool focused) override;
  void Accept(const std::string& line, std::ostream& out) override;

 private:
  using Column = std::pair<std::string, GridColumn>;  // field, look

  Field CellAt(long row, const std::string& field);
  size_t ColumnIndex(const std::string& field) const;
  const GridColumn& ColumnOf(const std::string& field) const;
  std::vector<const Column*> VisibleColumns() const;

  RecordsetPtr recordset_;
  std::vector<Column> columns_;  // in field order
  BeforeUpdate before_update_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_FORM_DATA_GRID_H_
