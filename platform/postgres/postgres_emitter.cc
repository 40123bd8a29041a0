#include "platform/postgres/postgres_emitter.h"

#include <algorithm>

#include "platform/postgres/postgres_table_ddl.h"
#include "platform/postgres/postgres_types.h"

namespace pellora::postgres {
namespace {

tsql::Step SqlStep(std::string sql) {
  tsql::Step step;
  step.sql = std::move(sql);
  return step;
}

// "nvarchar" of "nvarchar(10)" or "NVARCHAR (10)".
std::string TypeName(const std::string& declared_type) {
  return declared_type.substr(0, declared_type.find_first_of(" \t\r\n("));
}

bool DeclaresNotNull(tsql::ItemSpan options) {
  for (size_t i = 0; i + 1 < options.size(); ++i) {
    if (tsql::IsWord(options[i], "NOT") && tsql::IsWord(options[i + 1], "NULL")) return true;
  }
  return false;
}

}  // namespace

std::string PostgresEmitter::Name(const std::string& name) const {
  return QuotedFoldedName(name);
}

// A variable read twice in one text, whatever the case of its name, is one parameter, listed as
// declared. Its declared type is spelled out, since PostgreSQL would otherwise guess it from the
// first use (COALESCE($1, 0) an integer).
std::string PostgresEmitter::Variable(const std::string& written, const tsql::Step* declaration,
                                      std::vector<std::string>& parameters) const {
  const std::string& name = declaration ? declaration->variable : written;
  auto found = std::find_if(parameters.begin(), parameters.end(), [&](const std::string& known) {
    return tsql::EqualsNoCase(known, name);
  });
  const size_t position = found - parameters.begin() + 1;
  if (found == parameters.end()) parameters.push_back(name);
  const std::string parameter = "$" + std::to_string(position);
  if (!declaration) return parameter;
  const std::string& type = declaration->variable_type;
  return "CAST(" + parameter + " AS " + PostgresType(TypeName(type), type) + ")";
}

std::string PostgresEmitter::IsNull(const std::vector<std::string>& args) const {
  return "COALESCE(" + ArgumentList(args) + ")";
}

// PostgreSQL counts a start below 1 as SQL Server does.
std::string PostgresEmitter::Substring(tsql::ItemSpan, tsql::ItemSpan,
                                       const std::vector<std::string>& args) const {
  return "SUBSTRING(" + ArgumentList(args) + ")";
}

// A cast to varchar(n) cuts the text to n characters, as CONVERT does.
std::string PostgresEmitter::ConvertToText(tsql::ColumnType target, const std::string& value,
                                           bool date_style) const {
  const std::string text = date_style ? "to_char(" + value + ", 'YYYY-MM-DD HH24:MI:SS')" : value;
  const std::string type =
      target.defined_size == 0 ? "text" : "varchar(" + std::to_string(target.defined_size) + ")";
  return "CAST(" + text + " AS " + type + ")";
}

// ILIKE folds case as its collation's locale does; ICU's root locale folds every letter, where
// the database's default may be C, which folds ASCII only.
std::optional<std::string> PostgresEmitter::Like(bool negated) const {
  return negated ? "COLLATE \"und-x-icu\" NOT ILIKE" : "COLLATE \"und-x-icu\" ILIKE";
}

// Tables are created with folded names, in the connection's schema.
std::string PostgresEmitter::TableExists(const std::string& table) const {
  return "SELECT table_name FROM information_schema.tables WHERE table_schema = current_schema() "
         "AND table_name = " +
         tsql::TokenText(tsql::Token{tsql::TokenKind::kString, FoldedName(table)});
}

std::vector<tsql::Step> PostgresEmitter::CreateTable(const tsql::TableShape& table) const {
  std::vector<tsql::Step> steps{SqlStep(kCreateCaseBlindCollation)};
  for (std::string& statement : TableDdl(table, *this)) steps.push_back(SqlStep(statement));
  return steps;
}

// SQL Server's ALTER COLUMN restates the column: without NOT NULL it takes NULL again. The
// conversion is PostgreSQL's assignment cast, which refuses a value too long for the new type
// as SQL Server does, and writes integers as their decimal text.
std::vector<tsql::Step> PostgresEmitter::AlterColumn(const tsql::ColumnChange& change) const {
  const std::string column = Name(change.column);
  std::string type = PostgresType(change.type_name, change.declared_type);
  if (IsTextTypeName(change.type_name)) type += std::string(" COLLATE ") + kCaseBlindCollation;
  const std::string nullability =
      DeclaresNotNull(change.options) ? " SET NOT NULL" : " DROP NOT NULL";
  return {SqlStep("ALTER TABLE " + Name(change.table) + " ALTER COLUMN " + column + " TYPE " +
                  type + ", ALTER COLUMN " + column + nullability),
          SqlStep(TypeComment(change.table, change.column, change.declared_type, *this))};
}

}  // namespace pellora::postgres
