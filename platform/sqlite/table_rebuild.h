#ifndef PELLORA_PLATFORM_SQLITE_TABLE_REBUILD_H_
#define PELLORA_PLATFORM_SQLITE_TABLE_REBUILD_H_

#include <string_view>

#include "platform/sqlite/database.h"
#include "platform/sqlite/schema_cache.h"

namespace pellora::sqlite {

// ALTER TABLE `table` ALTER COLUMN `column` `column_type` (SQL Server type text, such as
// "nvarchar(10) NOT NULL"): rebuilds the table with the column's new declaration, keeping its
// rows (converted by the new type's affinity: integers become their decimal text), its other
// columns and constraints, its indexes, triggers and identity counter. Fails, changing
// nothing, when the column is part of the primary key, holds NULL under NOT NULL, or holds a
// value longer than the new size.
void AlterColumn(Database& db, SchemaCache& schema, std::string_view table, std::string_view column,
                 std::string_view column_type);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_TABLE_REBUILD_H_
