#ifndef PELLORA_PLATFORM_SQLITE_TSQL_TABLE_DEFINITION_H_
#define PELLORA_PLATFORM_SQLITE_TSQL_TABLE_DEFINITION_H_

#include <optional>
#include <string>

#include "platform/sqlite/tsql_items.h"
#include "platform/sqlite/tsql_translator.h"

namespace pellora::sqlite {

// CREATE TABLE [t] ([c] [type](n) ..., CONSTRAINT ... PRIMARY KEY CLUSTERED (...) WITH (...)
// ON [PRIMARY]) ON [PRIMARY] as SQLite's CREATE TABLE. Columns keep their SQL Server type
// text as declared type, so the backend reports it; an IDENTITY column becomes the rowid
// (INTEGER PRIMARY KEY AUTOINCREMENT); text columns compare without case (COLLATE NOCASE).
// Storage options (CLUSTERED, WITH, ON filegroup) are dropped.
std::string TranslateCreateTable(ItemSpan statement);

// ALTER TABLE t ALTER COLUMN [c] [type](n) [NOT NULL] as a kAlterColumn step; nullopt for any
// other ALTER.
std::optional<Step> TranslateAlterColumn(ItemSpan statement);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_TSQL_TABLE_DEFINITION_H_
