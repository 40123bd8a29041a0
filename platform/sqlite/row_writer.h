#ifndef PELLORA_PLATFORM_SQLITE_ROW_WRITER_H_
#define PELLORA_PLATFORM_SQLITE_ROW_WRITER_H_

#include <cstddef>

#include "platform/session/row_change.h"
#include "platform/sqlite/database.h"
#include "runtime/recordset.h"

namespace pellora::sqlite {

// Inserts row `row` of `recordset` as `change` says, reading the identity back into the row.
void InsertRow(Database& db, Recordset& recordset, size_t row, const session::RowChange& change);
// Updates the columns `change` names in the row its original key values locate; raises when
// that row is gone.
void UpdateRow(Database& db, Recordset& recordset, size_t row, const session::RowChange& change);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_ROW_WRITER_H_
