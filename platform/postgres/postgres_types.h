#ifndef PELLORA_PLATFORM_POSTGRES_POSTGRES_TYPES_H_
#define PELLORA_PLATFORM_POSTGRES_POSTGRES_TYPES_H_

#include <string>
#include <string_view>

namespace pellora::postgres {

// The collation of every text column: compares without case, as SQL Server's default collation
// does, and keeps accents apart.
inline constexpr char kCaseBlindCollation[] = "pellora_ci";
extern const char kCreateCaseBlindCollation[];

// The PostgreSQL type of a column or variable declared with the SQL Server type `type_name` and
// the arguments `declared_type` gives it ("nvarchar" of "nvarchar(15)"). Money keeps its four
// decimals, bit is a smallint 0 or 1, texts of any kind are Unicode. A type the company schema
// does not use fails with an Error.
std::string PostgresType(const std::string& type_name, const std::string& declared_type);

// Whether values of the SQL Server type compare as texts, and so take the case-blind collation.
bool IsTextTypeName(const std::string& type_name);

// ASCII letters in lower case, as PostgreSQL folds a name written without quotes.
std::string FoldedName(const std::string& name);

// `name` in double quotes, exactly as written: a company's database, or a table or column whose
// name the server already gave in its own case.
std::string QuotedName(std::string_view name);

// `name` as PostgreSQL folds it when written without quotes, then quoted: the add-in's table and
// column names, which a word of the server's own could otherwise take.
std::string QuotedFoldedName(std::string_view name);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_POSTGRES_TYPES_H_
