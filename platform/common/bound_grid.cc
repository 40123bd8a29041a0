#include "platform/common/bound_grid.h"

#include "platform/common/cell_text.h"
#include "runtime/error.h"
#include "runtime/format.h"
#include "runtime/text.h"

namespace pellora::common {

BoundGrid::Edit BoundGrid::Type(long row, const std::string& field, const std::string& text) {
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

std::string BoundGrid::ShownText(long row, const std::string& field) {
  const Variant value = CellValue(row, field);
  const std::string& format = ColumnOf(field).number_format;
  return format.empty() || value.IsNull() ? CellText(value) : Format(value, format);
}

std::string BoundGrid::FieldCaptioned(const std::string& caption) const {
  for (const Column* column : VisibleColumns()) {
    if (CompareTextNoCase(column->second.caption, caption) == 0) return column->first;
  }
  return "";
}

void BoundGrid::Bind(RecordsetPtr recordset) {
  recordset_ = std::move(recordset);
  columns_.clear();
  for (size_t index = 0; index < recordset_->FieldCount(); ++index) {
    const std::string& name = recordset_->FieldDefAt(index).name;
    columns_.push_back({name, GridColumn{name, 0, "", false, false}});
  }
}

void BoundGrid::SetColumn(const std::string& field, const GridColumn& column) {
  columns_[ColumnIndex(field)].second = column;
}

long BoundGrid::RowCount() {
  return recordset_ ? recordset_->RecordCount() : 0;
}

Variant BoundGrid::CellValue(long row, const std::string& field) {
  return CellAt(row, field).Value();
}

Variant BoundGrid::CellLoadedValue(long row, const std::string& field) {
  return CellAt(row, field).OriginalValue();
}

Field BoundGrid::CellAt(long row, const std::string& field) {
  if (!recordset_) RaiseRuntimeError(kObjectNotSet, "DataGrid");
  recordset_->SetAbsolutePosition(row + 1);
  return recordset_->Fields(field);
}

size_t BoundGrid::ColumnIndex(const std::string& field) const {
  for (size_t index = 0; index < columns_.size(); ++index) {
    if (CompareTextNoCase(columns_[index].first, field) == 0) return index;
  }
  RaiseRuntimeError(kAdoItemNotFound, "DataGrid");
}

const GridColumn& BoundGrid::ColumnOf(const std::string& field) const {
  return columns_[ColumnIndex(field)].second;
}

std::vector<const BoundGrid::Column*> BoundGrid::VisibleColumns() const {
  std::vector<const Column*> visible;
  for (const Column& column : columns_) {
    if (!column.second.hidden) visible.push_back(&column);
  }
  return visible;
}

}  // namespace pellora::common
