#include "platform/tsql/tsql_scope.h"

#include "platform/tsql/tsql_operands.h"

namespace pellora::tsql {
namespace {

bool EndsTableList(const Item& item) {
  return IsWord(item, "WHERE") || IsWord(item, "GROUP") || IsWord(item, "ORDER") ||
         IsWord(item, "HAVING") || IsWord(item, "SET") || IsWord(item, "UNION");
}

}  // namespace

TableScope::TableScope(const SchemaInfo& schema, ItemSpan statement, const TableScope* outer)
    : schema_(schema), outer_(outer) {
  bool in_table_list = false;
  bool from_seen = false;
  for (size_t i = 0; i < statement.size(); ++i) {
    const Item& item = statement[i];
    if (IsWord(item, "FROM") || IsWord(item, "JOIN") || (i == 0 && IsWord(item, "UPDATE"))) {
      in_table_list = true;
      const Item* reference = ReadTableReference(statement, i + 1);
      if (IsWord(item, "FROM") && !from_seen && reference != nullptr) {
        first_table_ = NamedTable{tables_.back().name, *reference};
      }
      from_seen = from_seen || IsWord(item, "FROM");
    } else if (in_table_list && IsSymbol(item, ",")) {
      ReadTableReference(statement, i + 1);
    } else if (EndsTableList(item)) {
      in_table_list = false;
    }
  }
}

const Item* TableScope::ReadTableReference(ItemSpan statement, size_t pos) {
  std::vector<std::string> parts = ReadDottedName(statement, pos);
  if (parts.empty()) return nullptr;
  const Item* reference = &statement[pos - 1];
  Table table{parts.back(), parts.back()};
  if (pos < statement.size() && IsWord(statement[pos], "AS")) ++pos;
  if (pos < statement.size() && IsName(statement[pos]) && !IsReservedWord(statement[pos]) &&
      !EndsTableList(statement[pos])) {
    table.alias = statement[pos].token.text;
    reference = &statement[pos];
  }
  tables_.push_back(std::move(table));
  return reference;
}

std::optional<ColumnType> TableScope::TypeOfColumn(
    const std::vector<std::string>& dotted_name) const {
  const std::string& column = dotted_name.back();
  for (const Table& table : tables_) {
    bool qualified = dotted_name.size() > 1;
    if (qualified && !EqualsNoCase(table.alias, dotted_name[dotted_name.size() - 2])) continue;
    if (auto type = schema_.ColumnTypeOf(table.name, column)) return type;
    if (qualified) break;
  }
  return outer_ ? outer_->TypeOfColumn(dotted_name) : std::nullopt;
}

}  // namespace pellora::tsql
