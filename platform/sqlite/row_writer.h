#ifndef PELLORA_PLATFORM_SQLITE_ROW_WRITER_H_
#define PELLORA_PLATFORM_SQLITE_ROW_WRITER_H_

#include <cstddef>

#include "platform/sqlite/database.h"
#include "runtime/recordset.h"

namespace pellora::sqlite {

// Writes row `row` of `recordset` to the base table of its fields: a new row as an INSERT
// (identity columns and fields left Null out, the identity read back into the row), any other
// row as an UPDATE of the columns whose value differs from the original, located by the
// original key values (nothing when no column changed).
void WriteRecordsetRow(Database& db, Recordset& recordset, size_t row);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_ROW_WRITER_H_
