#include "platform/postgres/postgres_types.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "platform/tsql/tsql_column_types.h"
#include "platform/tsql/tsql_lexer.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace pellora::postgres {
namespace {

struct TypeSpelling {
  std::string_view sql_server;
  std::string_view postgres;
  // Empty: the PostgreSQL type takes no arguments. Otherwise the declared ones are kept
  // (nvarchar(15) -> varchar(15)), and these are SQL Server's when none are declared.
  std::string_view default_arguments;
};

constexpr TypeSpelling kSpellings[] = {
    {"int", "integer", ""},
    {"integer", "integer", ""},
    {"smallint", "smallint", ""},
    {"tinyint", "smallint", ""},
    {"bigint", "bigint", ""},
    {"bit", "smallint", ""},
    {"float", "double precision", ""},
    {"real", "real", ""},
    {"money", "numeric(19,4)", ""},
    {"smallmoney", "numeric(10,4)", ""},
    {"decimal", "numeric", "(18,0)"},
    {"numeric", "numeric", "(18,0)"},
    {"datetime", "timestamp(3)", ""},
    {"smalldatetime", "timestamp(0)", ""},
    {"date", "date", ""},
    {"nvarchar", "varchar", "(1)"},
    {"varchar", "varchar", "(1)"},
    {"nchar", "char", "(1)"},
    {"char", "char", "(1)"},
    {"ntext", "text", ""},
    {"text", "text", ""},
    {"varbinary", "bytea", ""},
    {"binary", "bytea", ""},
    {"image", "bytea", ""},
};

// "(15)" of "nvarchar(15)", without blanks.
std::string Arguments(const std::string& type_name, const std::string& declared_type) {
  std::string arguments;
  for (char c : declared_type.substr(std::min(type_name.size(), declared_type.size()))) {
    if (!std::isspace(static_cast<unsigned char>(c))) arguments += c;
  }
  return arguments;
}

}  // namespace

const char kCreateCaseBlindCollation[] =
    "CREATE COLLATION IF NOT EXISTS pellora_ci (provider = icu, locale = 'und-u-ks-level2', "
    "deterministic = false)";

std::string PostgresType(const std::string& type_name, const std::string& declared_type) {
  for (const TypeSpelling& spelling : kSpellings) {
    if (!tsql::EqualsNoCase(spelling.sql_server, type_name)) continue;
    const std::string type(spelling.postgres);
    if (spelling.default_arguments.empty()) return type;
    const std::string arguments = Arguments(type_name, declared_type);
    if (tsql::EqualsNoCase(arguments, "(max)")) return "text";
    return type + (arguments.empty() ? std::string(spelling.default_arguments) : arguments);
  }
  throw Error(kDatabaseError, "PostgreSQL",
              "O tipo " + type_name + " não é suportado em PostgreSQL");
}

bool IsTextTypeName(const std::string& type_name) {
  return tsql::IsTextType(tsql::TypeFromName(type_name).ado_type);
}

std::string FoldedName(const std::string& name) {
  std::string folded = name;
  for (char& c : folded) c = FoldCase(c);
  return folded;
}

std::string QuotedName(std::string_view name) {
  return tsql::TokenText(tsql::Token{tsql::TokenKind::kQuotedName, std::string(name)});
}

std::string QuotedFoldedName(std::string_view name) {
  return QuotedName(FoldedName(std::string(name)));
}

}  // namespace pellora::postgres
