#include "platform/sqlite/tsql_table_definition.h"

#include <vector>

#include "platform/sqlite/tsql_column_types.h"
#include "platform/sqlite/tsql_error.h"

namespace pellora::sqlite {
namespace {

std::string QuotedName(const std::string& name) {
  return TokenText(Token{TokenKind::kQuotedName, name});
}

// [nvarchar](15) -> nvarchar(15); moves `pos` past the type.
std::string ReadDeclaredType(ItemSpan items, size_t& pos, std::string& type_name) {
  if (pos >= items.size() || !IsName(items[pos])) {
    RaiseUnsupported("Tipo de coluna em falta no texto SQL");
  }
  type_name = items[pos++].token.text;
  if (pos >= items.size() || !items[pos].is_group) return type_name;
  return type_name + "(" + Render(items[pos++].children) + ")";
}

// Drops SQL Server's storage options: CLUSTERED, NONCLUSTERED, WITH (...), ON <filegroup>.
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

std::string RenderWithBlank(ItemSpan items) {
  return items.empty() ? ""
                       : " " + Render(WithLeadingSpace(Items(items.begin(), items.end()), false));
}

bool IsTableConstraint(ItemSpan part) {
  return IsWord(part[0], "CONSTRAINT") || IsWord(part[0], "PRIMARY") || IsWord(part[0], "UNIQUE") ||
         IsWord(part[0], "CHECK") || IsWord(part[0], "FOREIGN");
}

// A PRIMARY KEY constraint on the identity column alone, which the rowid already is.
bool IsIdentityKey(ItemSpan constraint, const std::string& identity) {
  if (identity.empty() || FindWord(constraint, "PRIMARY") == constraint.size()) return false;
  for (const Item& item : constraint) {
    if (!item.is_group) continue;
    std::vector<std::string> columns;
    for (const Item& child : item.children) {
      if (IsName(child) && !IsWord(child, "ASC") && !IsWord(child, "DESC")) {
        columns.push_back(child.token.text);
      }
    }
    return columns.size() == 1 && EqualsNoCase(columns[0], identity);
  }
  return false;
}

class TableDefinition {
 public:
  explicit TableDefinition(ItemSpan definitions) {
    for (ItemSpan part : SplitOnCommas(definitions)) {
      if (part.empty()) continue;  // a comma after the last definition
      if (IsTableConstraint(part)) {
        constraints_.push_back(part);
      } else {
        columns_.push_back(Column(part));
      }
    }
  }

  std::string Sql() const {
    std::string sql;
    auto add = [&sql](const std::string& definition) {
      sql += (sql.empty() ? "" : ", ") + definition;
    };
    for (const std::string& column : columns_) add(column);
    for (ItemSpan constraint : constraints_) {
      if (!IsIdentityKey(constraint, identity_)) add(Render(WithoutStorageOptions(constraint)));
    }
    return sql;
  }

 private:
  std::string Column(ItemSpan part) {
    if (!IsName(part[0])) RaiseUnsupported("Definição de coluna inválida: " + Render(part));
    std::string name = part[0].token.text;
    size_t pos = 1;
    std::string type_name;
    std::string type = ReadDeclaredType(part, pos, type_name);
    Items options;
    bool identity = false;
    for (; pos < part.size(); ++pos) {
      if (IsWord(part[pos], "IDENTITY") && pos + 1 < part.size() && part[pos + 1].is_group) {
        identity = true;
        ++pos;
      } else {
        options.push_back(part[pos]);
      }
    }
    if (identity) {
      identity_ = name;
      type = "INTEGER PRIMARY KEY AUTOINCREMENT";
    }
    std::string collation = IsTextType(TypeFromName(type_name).ado_type) ? " COLLATE NOCASE" : "";
    return QuotedName(name) + " " + type + RenderWithBlank(options) + collation;
  }

  std::vector<std::string> columns_;
  std::vector<ItemSpan> constraints_;
  std::string identity_;
};

}  // namespace

std::string TranslateCreateTable(ItemSpan statement) {
  size_t pos = 2;  // after CREATE TABLE
  std::vector<std::string> name = ReadDottedName(statement, pos);
  if (name.empty() || pos >= statement.size() || !statement[pos].is_group) {
    RaiseUnsupported("CREATE TABLE sem nome ou sem colunas não é suportado em SQLite");
  }
  TableDefinition definition(statement[pos].children);
  Items trailing = WithoutStorageOptions(statement.subspan(pos + 1));
  return "CREATE TABLE " + QuotedName(name.back()) + " (" + definition.Sql() + ")" +
         RenderWithBlank(trailing);
}

std::optional<Step> TranslateAlterColumn(ItemSpan statement) {
  size_t pos = 2;  // after ALTER TABLE
  std::vector<std::string> table = ReadDottedName(statement, pos);
  if (table.empty() || pos + 2 >= statement.size() || !IsWord(statement[pos], "ALTER") ||
      !IsWord(statement[pos + 1], "COLUMN") || !IsName(statement[pos + 2])) {
    return std::nullopt;
  }
  Step step;
  step.kind = Step::Kind::kAlterColumn;
  step.table = table.back();
  step.column = statement[pos + 2].token.text;
  pos += 3;
  std::string type_name;
  std::string type = ReadDeclaredType(statement, pos, type_name);
  step.column_type = type + RenderWithBlank(statement.subspan(pos));
  return step;
}

}  // namespace pellora::sqlite
