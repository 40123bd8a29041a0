#ifndef PELLORA_PLATFORM_SQLITE_RECORDSET_LOADER_H_
#define PELLORA_PLATFORM_SQLITE_RECORDSET_LOADER_H_

#include <vector>

#include "platform/sqlite/database.h"
#include "platform/sqlite/schema_cache.h"
#include "platform/sqlite/tsql_translator.h"
#include "runtime/recordset.h"

namespace pellora::sqlite {

// Fetches every row of a freshly prepared, bound `statement` into an open client-cursor
// Recordset on its first row. A field's type comes from `types` (the translator's, by
// position) when known, else from the column's declared type, else from its first non-NULL
// value; its base table, key and identity from `schema`.
RecordsetPtr LoadRecordset(Statement& statement, const std::vector<ColumnType>& types,
                           const SchemaCache& schema);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_RECORDSET_LOADER_H_
