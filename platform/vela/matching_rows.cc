#include "platform/vela/matching_rows.h"

#include <algorithm>

#include "platform/vela/company_sql.h"
#include "runtime/convert.h"
#include "runtime/text.h"

namespace pellora::vela {

std::vector<RowKey> MatchingRows(DataAccess& data_access, const std::string& table,
                                 const std::vector<std::string>& columns,
                                 const std::vector<RowKey>& keys,
                                 const std::vector<std::string>& more) {
  constexpr size_t kKeysPerQuery = 100;
  std::vector<std::string> read = columns;
  read.insert(read.end(), more.begin(), more.end());
  std::string select = "SELECT ";
  for (const std::string& column : read) select += (&column == &read.front() ? "" : ", ") + column;
  select += " FROM " + table + " WHERE ";
  std::string one_key = "(";
  for (const std::string& column : columns) {
    one_key += (&column == &columns.front() ? "" : " AND ") + column + " = ?";
  }
  one_key += ")";

  std::vector<RowKey> found;
  for (size_t first = 0; first < keys.size(); first += kKeysPerQuery) {
    std::string sql = select;
    std::vector<Variant> values;
    for (size_t i = first; i < std::min(keys.size(), first + kKeysPerQuery); ++i) {
      sql += i == first ? one_key : " OR " + one_key;
      for (const std::string& value : keys[i]) values.emplace_back(value);
    }
    for (RecordsetPtr rows = Query(data_access, sql, values); !rows->Eof(); rows->MoveNext()) {
      RowKey row;
      for (const std::string& column : read)
        row.push_back(UCase(CStr(rows->Fields(column).Value())));
      found.push_back(std::move(row));
    }
  }
  return found;
}

}  // namespace pellora::vela
