#ifndef PELLORA_PLATFORM_SESSION_ROW_CHANGE_H_
#define PELLORA_PLATFORM_SESSION_ROW_CHANGE_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/recordset.h"

namespace pellora::session {

// What writing one row of a recordset to its base table takes, whatever the engine spells it
// in. Fields are positions in the recordset.
struct RowChange {
  enum class Kind { kNone, kInsert, kUpdate };
  Kind kind = Kind::kNone;
  std::string table;
  // Insert: the columns given a value (identity columns and fields left Null out). Update: the
  // columns whose value differs from the original.
  std::vector<size_t> written;
  // Update: the key columns, matched against their original values.
  std::vector<size_t> key;
  // Insert: the identity columns, whose values the database chooses and the row reads back.
  std::vector<size_t> identity;
};

// The change row `row` of `recordset` makes: a new row is inserted, any other updated by its
// key (kNone when no column changed). Raises kDatabaseError with `source` when the fields come
// from several tables or none, or an update has no key to find its row by.
RowChange PlanRowChange(const Recordset& recordset, size_t row, std::string_view source);

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_ROW_CHANGE_H_
