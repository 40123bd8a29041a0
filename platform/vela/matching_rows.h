#ifndef PELLORA_PLATFORM_VELA_MATCHING_ROWS_H_
#define PELLORA_PLATFORM_VELA_MATCHING_ROWS_H_

#include <string>
#include <vector>

#include "interfaces/data_access.h"

namespace pellora::vela {

// A value per column, in the columns' order.
using RowKey = std::vector<std::string>;

// The rows of `table` whose `columns` hold one of `keys`, each given as its `columns` and then
// its `more`, in upper case, as the company's columns compare: looked up a hundred keys at a
// time, one round trip each, where a document would otherwise ask once per line.
std::vector<RowKey> MatchingRows(DataAccess& data_access, const std::string& table,
                                 const std::vector<std::string>& columns,
                                 const std::vector<RowKey>& keys,
                                 const std::vector<std::string>& more = {});

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_MATCHING_ROWS_H_
