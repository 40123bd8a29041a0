#include "platform/vela/insert_statement.h"

#include "platform/vela/company_sql.h"
#include "platform/vela/member_values.h"
#include "platform/vela/sql_literal.h"
#include "runtime/convert.h"
#include "runtime/date_text.h"

namespace pellora::vela {

namespace {

Variant StoredValue(const Variant& value, ColumnKind kind) {
  switch (kind) {
    case ColumnKind::kText:
      return Variant(CStr(value));
    case ColumnKind::kNumber:
      return NumberValue(CDbl(value));
    case ColumnKind::kFlag:
      return Variant(static_cast<int32_t>(CDbl(value) != 0 ? 1 : 0));
    case ColumnKind::kDate:
      return Variant(IsoDateTimeText(CDate(value)));
  }
  return Variant::Null();
}

}  // namespace

void InsertStatement::Add(const std::string& column, Variant value) {
  columns_.push_back(column);
  values_.push_back(std::move(value));
}

void InsertStatement::AddText(const std::string& column, const std::string& text) {
  Add(column, Variant(text));
}

void InsertStatement::AddNumber(const std::string& column, double value) {
  Add(column, NumberValue(value));
}

void InsertStatement::AddKey(const DocumentKey& key, const std::string& type_column) {
  AddText(type_column, key.type);
  AddText("SERIE", key.series);
  AddNumber("ANO", key.year);
  AddNumber("NNUMDOC", key.number);
}

void InsertStatement::AddMembers(const LateBoundObject& object,
                                 std::span<const ColumnMember> members) {
  for (const ColumnMember& member : members) {
    const Variant value = object.Get(member.member);
    if (!IsBlank(value)) Add(member.column, StoredValue(value, member.kind));
  }
}

std::string InsertStatement::Text(size_t rows) const {
  std::string text = "INSERT INTO " + table_ + " (";
  text.reserve(text.size() + 16 * columns_.size() + 10 + rows * (3 * columns_.size() + 4));
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (i > 0) text += ", ";
    text += columns_[i];
  }
  text += ") VALUES ";
  for (size_t row = 0; row < rows; ++row) {
    text += row == 0 ? "(" : ", (";
    for (size_t i = 0; i < columns_.size(); ++i) text += i == 0 ? "?" : ", ?";
    text += ")";
  }
  return text;
}

void InsertStatement::Run(DataAccess& data_access) const {
  Execute(data_access, Text(), values_);
}

}  // namespace pellora::vela
