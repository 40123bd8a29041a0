#include "platform/sqlite/sqlite_emitter.h"

#include <algorithm>
#include <optional>

#include "platform/sqlite/text_comparison.h"
#include "platform/tsql/tsql_column_types.h"

namespace pellora::sqlite {
namespace {

using tsql::ItemSpan;

// The value of an argument that is a whole number literal of the int range.
std::optional<long> IntArgument(ItemSpan argument) {
  if (argument.size() != 1) return std::nullopt;
  return tsql::IntLiteral(argument[0].token);
}

}  // namespace

std::string SqliteEmitter::Name(const std::string& name) const {
  return tsql::TokenText(tsql::Token{tsql::TokenKind::kQuotedName, name});
}

std::string SqliteEmitter::Variable(const std::string& written, const tsql::Step*,
                                    std::vector<std::string>&) const {
  return written;
}

std::string SqliteEmitter::IsNull(const std::vector<std::string>& args) const {
  return "ifnull(" + ArgumentList(args) + ")";
}

// substr counts a start below 1 as a position of its own; SUBSTRING counts it as positions
// before the first character, which take their share of the length.
std::string SqliteEmitter::Substring(ItemSpan start_item, ItemSpan length_item,
                                     const std::vector<std::string>& args) const {
  const std::string& text = args[0];
  const std::string& start = args[1];
  const std::string& length = args[2];
  const std::optional<long> from = IntArgument(start_item);
  const std::optional<long> count = IntArgument(length_item);
  if (!from || !count) {
    return "substr(" + text + ", max(" + start + ", 1), max((" + start + ") + (" + length +
           ") - max(" + start + ", 1), 0))";
  }
  if (*from >= 1) return "substr(" + text + ", " + start + ", " + length + ")";
  return "substr(" + text + ", 1, " + std::to_string(std::max(*from + *count - 1, 0L)) + ")";
}

std::string SqliteEmitter::ConvertToText(tsql::ColumnType target, const std::string& value,
                                         bool date_style) const {
  std::string text =
      date_style ? "strftime('%Y-%m-%d %H:%M:%S', " + value + ")" : "CAST(" + value + " AS TEXT)";
  if (target.defined_size == 0) return text;
  return "substr(" + text + ", 1, " + std::to_string(target.defined_size) + ")";
}

// The connection's LIKE already folds case by the company's text rule.
std::optional<std::string> SqliteEmitter::Like(bool) const {
  return std::nullopt;
}

std::string SqliteEmitter::TableExists(const std::string& table) const {
  return "SELECT name FROM sqlite_master WHERE type = 'table' AND name = " +
         tsql::TokenText(tsql::Token{tsql::TokenKind::kString, table}) + " COLLATE NOCASE";
}

// Columns keep their SQL Server type text as declared type, so the backend reports it; an
// IDENTITY column becomes the rowid, and a primary key on it alone is dropped as the rowid is
// one already; text columns compare by the company's text rule.
std::vector<tsql::Step> SqliteEmitter::CreateTable(const tsql::TableShape& table) const {
  std::string identity;
  std::string definitions;
  auto add = [&definitions](const std::string& definition) {
    definitions += (definitions.empty() ? "" : ", ") + definition;
  };
  for (const tsql::TableColumn& column : table.columns) {
    if (column.identity) identity = column.name;
    const bool text = tsql::IsTextType(tsql::TypeFromName(column.type_name).ado_type);
    add(Name(column.name) + " " +
        (column.identity ? "INTEGER PRIMARY KEY AUTOINCREMENT" : column.declared_type) +
        TextAfterBlank(column.options) + (text ? std::string(" COLLATE ") + kTextCollation : ""));
  }
  for (const tsql::Items& constraint : table.constraints) {
    if (!tsql::IsKeyOfColumn(constraint, identity)) add(Text(constraint));
  }
  tsql::Step step;
  step.sql = "CREATE TABLE " + Name(table.name) + " (" + definitions + ")" +
             TextAfterBlank(table.trailing);
  return {step};
}

std::vector<tsql::Step> SqliteEmitter::AlterColumn(const tsql::ColumnChange& change) const {
  tsql::Step step;
  step.kind = tsql::Step::Kind::kAlterColumn;
  step.table = change.table;
  step.column = change.column;
  step.column_type = change.declared_type + TextAfterBlank(change.options);
  return {step};
}

}  // namespace pellora::sqlite
