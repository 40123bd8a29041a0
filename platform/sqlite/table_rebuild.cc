#include "platform/sqlite/table_rebuild.h"

#include <string>
#include <vector>

#include "platform/sqlite/savepoint.h"
#include "platform/sqlite/sql_tokens.h"
#include "platform/sqlite/text_comparison.h"
#include "platform/tsql/tsql_column_types.h"
#include "platform/tsql/tsql_declared_types.h"
#include "runtime/text.h"

namespace pellora::sqlite {

using tsql::ColumnTypeFromDeclared;
using tsql::IsTextType;
using tsql::kLongUnicodeSize;

namespace {

constexpr std::string_view kRebuildTable = "pellora_rebuild";

// The column and constraint definitions of a CREATE TABLE text, and what follows them
// (WITHOUT ROWID and the like).
struct CreateTableText {
  std::vector<std::string> definitions;
  std::string tail;
};

CreateTableText SplitCreateTable(std::string_view sql) {
  CreateTableText parts;
  size_t position = 0;
  size_t start = std::string_view::npos;
  int depth = 0;
  for (std::string_view token = NextToken(sql, &position); !token.empty();
       token = NextToken(sql, &position)) {
    const size_t token_start = position - token.size();
    if (token == "(" && depth++ == 0) {
      start = position;
    } else if ((token == "," && depth == 1) || (token == ")" && depth == 1)) {
      parts.definitions.emplace_back(sql.substr(start, token_start - start));
      start = position;
      if (token == ")" && --depth == 0) {
        parts.tail = sql.substr(position);
        break;
      }
    } else if (token == ")") {
      --depth;
    }
  }
  return parts;
}

// The words of a definition, with the column's name first.
std::vector<std::string_view> Tokens(std::string_view definition) {
  std::vector<std::string_view> tokens;
  size_t position = 0;
  for (std::string_view token = NextToken(definition, &position); !token.empty();
       token = NextToken(definition, &position)) {
    tokens.push_back(token);
  }
  return tokens;
}

// The new definition of the column: its name and the new type; a text column keeps the
// collation it had, or takes the company's.
std::string NewDefinition(std::string_view old_definition, std::string_view column_type,
                          int ado_type) {
  const std::vector<std::string_view> tokens = Tokens(old_definition);
  std::string definition = std::string(tokens.front()) + " ";
  for (char c : column_type) {
    if (c != '[' && c != ']') definition += c;
  }
  if (!IsTextType(ado_type)) return definition;
  std::string_view collation = kTextCollation;
  for (size_t i = 1; i + 1 < tokens.size(); ++i) {
    if (UCase(tokens[i]) == "COLLATE") collation = tokens[i + 1];
  }
  return definition + " COLLATE " + std::string(collation);
}

bool DeclaresNotNull(std::string_view column_type) {
  const std::vector<std::string_view> tokens = Tokens(column_type);
  for (size_t i = 0; i + 1 < tokens.size(); ++i) {
    if (UCase(tokens[i]) == "NOT" && UCase(tokens[i + 1]) == "NULL") return true;
  }
  return false;
}

bool AnyRow(const Database& db, const std::string& sql) {
  Statement statement(db, sql);
  return statement.Step();
}

// Runs `sql` with `parameter` as ?1; the first column of each row, as text.
std::vector<std::string> Query(const Database& db, const std::string& sql,
                               std::string_view parameter) {
  Statement statement(db, sql);
  sqlite3_bind_text(statement.handle(), 1, parameter.data(), static_cast<int>(parameter.size()),
                    SQLITE_TRANSIENT);
  std::vector<std::string> texts;
  while (statement.Step()) {
    const auto* text = sqlite3_column_text(statement.handle(), 0);
    texts.emplace_back(text == nullptr ? "" : reinterpret_cast<const char*>(text));
  }
  return texts;
}

[[noreturn]] void Refuse(const std::string& message, std::string_view table,
                         std::string_view column) {
  RaiseDatabaseError(message,
                     "ALTER TABLE " + std::string(table) + " ALTER COLUMN " + std::string(column));
}

}  // namespace

void AlterColumn(Database& db, SchemaCache& schema, std::string_view table, std::string_view column,
                 std::string_view column_type) {
  const TableInfo* info = schema.Table(table);
  const TableColumn* target = info == nullptr ? nullptr : info->Find(column);
  if (target == nullptr) {
    Refuse("Coluna inexistente: " + std::string(table) + "." + std::string(column), table, column);
  }
  if (target->primary_key) {
    Refuse("A coluna " + target->name + " faz parte da chave primária", table, column);
  }
  const std::string name = QuoteIdentifier(table);
  const std::string quoted_column = QuoteIdentifier(target->name);
  if (DeclaresNotNull(column_type) &&
      AnyRow(db, "SELECT 1 FROM " + name + " WHERE " + quoted_column + " IS NULL")) {
    Refuse("Não é possível guardar NULL na coluna " + target->name + ", que não o admite", table,
           column);
  }
  const ColumnType new_type = ColumnTypeFromDeclared(column_type);
  if (IsTextType(new_type.ado_type) && new_type.defined_size < kLongUnicodeSize &&
      AnyRow(db, "SELECT 1 FROM " + name + " WHERE length(" + quoted_column + ") > " +
                     std::to_string(new_type.defined_size))) {
    Refuse("Os dados da coluna " + target->name + " seriam truncados", table, column);
  }
  bool has_identity = false;
  for (const TableColumn& each : info->columns) has_identity = has_identity || each.identity;

  Savepoint savepoint(db, "pellora_alter_column");
  const std::string of_table =
      " FROM sqlite_schema WHERE type = 'table' AND name = ?1 COLLATE NOCASE";
  const std::string original_name = Query(db, "SELECT name" + of_table, table).front();
  const std::string create = Query(db, "SELECT sql" + of_table, table).front();
  const std::vector<std::string> dependents =
      Query(db,
            "SELECT sql FROM sqlite_schema WHERE type IN ('index', 'trigger') AND "
            "tbl_name = ?1 AND sql IS NOT NULL",
            original_name);
  const std::vector<std::string> sequence =
      has_identity ? Query(db, "SELECT seq FROM sqlite_sequence WHERE name = ?1", original_name)
                   : std::vector<std::string>();

  CreateTableText parts = SplitCreateTable(create);
  for (std::string& definition : parts.definitions) {
    if (CompareTextNoCase(Unquoted(Tokens(definition).front()), target->name) == 0) {
      definition = NewDefinition(definition, column_type, new_type.ado_type);
    }
  }
  std::string rebuild = "CREATE TABLE " + std::string(kRebuildTable) + " (";
  for (size_t i = 0; i < parts.definitions.size(); ++i) {
    rebuild += (i == 0 ? "" : ", ") + parts.definitions[i];
  }
  db.Execute(rebuild + ")" + parts.tail);
  db.Execute("INSERT INTO " + std::string(kRebuildTable) + " SELECT * FROM " + name);
  db.Execute("DROP TABLE " + name);
  // Views that name the table stay as they are; the legacy rename does not revisit them.
  db.Execute("PRAGMA legacy_alter_table = ON; ALTER TABLE " + std::string(kRebuildTable) +
             " RENAME TO " + QuoteIdentifier(original_name) + "; PRAGMA legacy_alter_table = OFF");
  for (const std::string& sql : dependents) db.Execute(sql);
  if (!sequence.empty()) {
    Query(db, "UPDATE sqlite_sequence SET seq = max(seq, " + sequence.front() + ") WHERE name = ?1",
          original_name);
  }
  savepoint.Release();
  schema.Invalidate();
}

}  // namespace pellora::sqlite
