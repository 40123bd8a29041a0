#include "platform/vela/insert_statement.h"

#include "platform/vela/member_values.h"
#include "platform/vela/sql_literal.h"
#include "runtime/convert.h"

namespace pellora::vela {

namespace {

std::string Literal(const Variant& value, ColumnKind kind) {
  switch (kind) {
    case ColumnKind::kText:
      return SqlText(CStr(value));
    case ColumnKind::kNumber:
      return SqlNumber(CDbl(value));
    case ColumnKind::kFlag:
      return CDbl(value) != 0 ? "1" : "0";
    case ColumnKind::kDate:
      return SqlDateTime(CDate(value));
  }
  return "NULL";
}

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

}  // namespace

void InsertStatement::Add(const std::string& column, const std::string& literal) {
  columns_.push_back(column);
  values_.push_back(literal);
}

void InsertStatement::AddText(const std::string& column, const std::string& text) {
  Add(column, SqlText(text));
}

void InsertStatement::AddNumber(const std::string& column, double value) {
  Add(column, SqlNumber(value));
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
    if (!IsBlank(value)) Add(member.column, Literal(value, member.kind));
  }
}

std::string InsertStatement::Text() const {
  return "INSERT INTO " + table_ + " (" + Joined(columns_) + ") VALUES (" + Joined(values_) + ")";
}

}  // namespace pellora::vela
