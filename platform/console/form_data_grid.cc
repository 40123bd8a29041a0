#include "platform/console/form_data_grid.h"

#include <algorithm>
#include <iomanip>
#include <ostream>
#include <sstream>

#include "platform/console/cell_text.h"
#include "runtime/error.h"
#include "runtime/format.h"
#include "runtime/text.h"

namespace pellora::console {

namespace {

// Column widths are in twips; a character takes about 100.
const int kTwipsPerCharacter = 100;
const int kRowNumberWidth = 6;

std::string Padded(const std::string& text, size_t width) {
  const size_t length = Len(text);
  return length >= width ? text : text + std::string(width - length, ' ');
}

}  // namespace

ConsoleDataGrid::Edit ConsoleDataGrid::Type(long row, const std::string& field,
                                            const std::string& text) {
  if (ColumnOf(field).locked) return Edit::kLocked;
  bool cancel = false;
  if (before_update_) before_update_(field, Variant(text), cancel);
  if (cancel) return Edit::kRefused;
  Field cell = CellAt(row, field);
  try {
    cell.SetValue(Variant(text));
  } catch (const Error&) {
    return Edit::kRefused;
  }
  recordset_->Update();
  return Edit::kAccepted;
}

std::string ConsoleDataGrid::ShownText(long row, const std::string& field) {
  const Variant value = CellValue(row, field);
  const std::string& format = ColumnOf(field).number_format;
  return format.empty() || value.IsNull() ? CellText(value) : Format(value, format);
}

std::string ConsoleDataGrid::FieldCaptioned(const std::string& caption) const {
  for (const Column* column : VisibleColumns()) {
    if (CompareTextNoCase(column->second.caption, caption) == 0) return column->first;
  }
  return "";
}

void ConsoleDataGrid::Bind(RecordsetPtr recordset) {
  recordset_ = std::move(recordset);
  columns_.clear();
  for (size_t index = 0; index < recordset_->FieldCount(); ++index) {
    const std::string& name = recordset_->FieldDefAt(index).name;
    columns_.push_back({name, GridColumn{name, 0, "", false, false}});
  }
}

void ConsoleDataGrid::SetColumn(const std::string& field, const GridColumn& column) {
  columns_[ColumnIndex(field)].second = column;
}

long ConsoleDataGrid::RowCount() {
  return recordset_ ? recordset_->RecordCount() : 0;
}

Variant ConsoleDataGrid::CellValue(long row, const std::string& field) {
  return CellAt(row, field).Value();
}

Variant ConsoleDataGrid::CellLoadedValue(long row, const std::string& field) {
  return CellAt(row, field).OriginalValue();
}

void ConsoleDataGrid::Render(std::ostream& out, bool focused) {
  out << FieldHeading("Linhas", focused) << "\n";
  const std::vector<const Column*> visible = VisibleColumns();
  std::vector<size_t> widths;
  std::ostringstream heading;
  heading << std::setw(kRowNumberWidth) << "#";
  for (size_t index = 0; index < visible.size(); ++index) {
    const std::string caption = std::to_string(index + 1) + " " + visible[index]->second.caption;
    widths.push_back(
        std::max<size_t>(Len(caption), visible[index]->second.width / kTwipsPerCharacter));
    heading << " | " << Padded(caption, widths.back());
  }
  out << RTrim(heading.str()) << "\n";
  for (long row = 0; row < RowCount(); ++row) {
    std::ostringstream line;
    line << std::setw(kRowNumberWidth) << row + 1;
    for (size_t index = 0; index < visible.size(); ++index) {
      line << " | " << Padded(ShownText(row, visible[index]->first), widths[index]);
    }
    out << RTrim(line.str()) << "\n";
  }
}

void ConsoleDataGrid::Accept(const std::string& line, std::ostream& out) {
  std::istringstream words(line);
  long row = 0;
  size_t column = 0;
  std::string text;
  const std::vector<const Column*> visible = VisibleColumns();
  if (!(words >> row >> column) || row < 1 || row > RowCount() || column < 1 ||
      column > visible.size()) {
    out << "Linhas: indique linha, coluna e valor (por exemplo \"1 " << visible.size()
        << " 12,5\").\n";
    return;
  }
  std::getline(words >> std::ws, text);
  switch (Type(row - 1, visible[column - 1]->first, text)) {
    case Edit::kLocked:
      out << "Linhas: a coluna " << visible[column - 1]->second.caption << " não é editável.\n";
      break;
    case Edit::kRefused:
      out << "Linhas: valor recusado.\n";
      break;
    case Edit::kAccepted:
      break;
  }
}

Field ConsoleDataGrid::CellAt(long row, const std::string& field) {
  if (!recordset_) RaiseRuntimeError(kObjectNotSet, "DataGrid");
  recordset_->SetAbsolutePosition(row + 1);
  return recordset_->Fields(field);
}

size_t ConsoleDataGrid::ColumnIndex(const std::string& field) const {
  for (size_t index = 0; index < columns_.size(); ++index) {
    if (CompareTextNoCase(columns_[index].first, field) == 0) return index;
  }
  RaiseRuntimeError(kAdoItemNotFound, "DataGrid");
}

const GridColumn& ConsoleDataGrid::ColumnOf(const std::string& field) const {
  return columns_[ColumnIndex(field)].second;
}

std::vector<const ConsoleDataGrid::Column*> ConsoleDataGrid::VisibleColumns() const {
  std::vector<const Column*> visible;
  for (const Column& column : columns_) {
    if (!column.second.hidden) visible.push_back(&column);
  }
  return visible;
}

}  // namespace pellora::console
