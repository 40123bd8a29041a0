#ifndef PELLORA_PLATFORM_SQLITE_TEXT_COMPARISON_H_
#define PELLORA_PLATFORM_SQLITE_TEXT_COMPARISON_H_

#include <sqlite3.h>

namespace pellora::sqlite {

// The collation every text column of a company declares: case-insensitive and accent-sensitive,
// as a company's SQL Server collation, by the rule of CompareTextNoCase. PostgreSQL's collation
// has the same name.
inline constexpr char kTextCollation[] = "pellora_ci";

// Gives the connection the company's text rule: the collation, without which a company's tables
// can be neither created nor queried, and LIKE folding case by the same rule (SQLite's own
// folds ASCII only). Every connection to a company file takes it.
void RegisterTextComparison(sqlite3* db);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_TEXT_COMPARISON_H_
