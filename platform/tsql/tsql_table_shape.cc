#include "platform/tsql/tsql_table_shape.h"

#include "platform/tsql/tsql_error.h"

namespace pellora::tsql {
namespace {

// [nvarchar](15) -> nvarchar(15); moves `pos` past the type.
std::string ReadDeclaredType(ItemSpan items, size_t& pos, std::string& type_name) {
  if (pos >= items.size() || !IsName(items[pos])) {
    RaiseUnsupported("Tipo de coluna em falta no texto SQL");
  }
  type_name = items[pos++].token.text;
  if (pos >= items.size() || !items[pos].is_group) return type_name;
  return type_name + "(" + Render(items[pos++].children) + ")";
}

Items WithoutStorageOptions(ItemSpan items) {
  Items kept;
  for (size_t i = 0; i < items.size(); ++i) {
    if (IsWord(items[i], "CLUSTERED") || IsWord(items[i], "NONCLUSTERED")) continue;
    if ((IsWord(items[i], "WITH") || IsWord(items[i], "ON")) && i + 1 < items.size()) {
      ++i;
      continue;
    }
    kept.push_back(items[i]);
  }
  return kept;
}

bool IsTableConstraint(ItemSpan part) {
  return IsWord(part[0], "CONSTRAINT") || IsWord(part[0], "PRIMARY") || IsWord(part[0], "UNIQUE") ||
         IsWord(part[0], "CHECK") || IsWord(part[0], "FOREIGN");
}

TableColumn ReadColumn(ItemSpan part) {
  if (!IsName(part[0])) RaiseUnsupported("Definição de coluna inválida: " + Render(part));
  TableColumn column;
  column.name = part[0].token.text;
  size_t pos = 1;
  column.declared_type = ReadDeclaredType(part, pos, column.type_name);
  for (; pos < part.size(); ++pos) {
    if (IsWord(part[pos], "IDENTITY") && pos + 1 < part.size() && part[pos + 1].is_group) {
      column.identity = true;
      ++pos;
    } else {
      column.options.push_back(part[pos]);
    }
  }
  return column;
}

}  // namespace

TableShape ReadCreateTable(ItemSpan statement) {
  size_t pos = 2;  // after CREATE TABLE
  std::vector<std::string> name = ReadDottedName(statement, pos);
  if (name.empty() || pos >= statement.size() || !statement[pos].is_group) {
    RaiseUnsupportedByEngine("CREATE TABLE sem nome ou sem colunas não é suportado");
  }
  TableShape table;
  table.name = name.back();
  for (ItemSpan part : SplitOnCommas(statement[pos].children)) {
    if (part.empty()) continue;  // a comma after the last definition
    if (IsTableConstraint(part)) {
      table.constraints.push_back(WithoutStorageOptions(part));
    } else {
      table.columns.push_back(ReadColumn(part));
    }
  }
  table.trailing = WithoutStorageOptions(statement.subspan(pos + 1));
  return table;
}

std::optional<ColumnChange> ReadAlterColumn(ItemSpan statement) {
  size_t pos = 2;  // after ALTER TABLE
  std::vector<std::string> table = ReadDottedName(statement, pos);
  if (table.empty() || pos + 2 >= statement.size() || !IsWord(statement[pos], "ALTER") ||
      !IsWord(statement[pos + 1], "COLUMN") || !IsName(statement[pos + 2])) {
    return std::nullopt;
  }
  ColumnChange change;
  change.table = table.back();
  change.column = statement[pos + 2].token.text;
  pos += 3;
  change.declared_type = ReadDeclaredType(statement, pos, change.type_name);
  ItemSpan rest = statement.subspan(pos);
  change.options.assign(rest.begin(), rest.end());
  return change;
}

bool IsKeyOfColumn(ItemSpan constraint, const std::string& column) {
  if (column.empty() || FindWord(constraint, "PRIMARY") == constraint.size()) return false;
  for (const Item& item : constraint) {
    if (!item.is_group) continue;
    std::vector<std::string> columns;
    for (const Item& child : item.children) {
      if (IsName(child) && !IsWord(child, "ASC") && !IsWord(child, "DESC")) {
        columns.push_back(child.token.text);
      }
    }
    return columns.size() == 1 && EqualsNoCase(columns[0], column);
  }
  return false;
}

}  // namespace pellora::tsql
