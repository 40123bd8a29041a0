#ifndef PELLORA_PLATFORM_TSQL_TSQL_BATCH_SPLITTER_H_
#define PELLORA_PLATFORM_TSQL_TSQL_BATCH_SPLITTER_H_

#include <vector>

#include "platform/tsql/tsql_items.h"

namespace pellora::tsql {

// One statement of a batch; an IF holds its condition and the statements of its BEGIN...END.
struct BatchStatement {
  Items items;  // the statement, without a closing ";"
  bool is_if = false;
  Items condition{};
  std::vector<BatchStatement> body{};
};

// Splits a batch at ";" and at the keywords that start a statement (SELECT, UPDATE, INSERT,
// DELETE, CREATE, ALTER, DECLARE, IF, BEGIN), as SQL Server reads a batch without separators.
// A SELECT inside parentheses, after UNION or in an INSERT belongs to its statement, as does
// ALTER COLUMN and the END of a CASE. IF needs a BEGIN...END body.
std::vector<BatchStatement> SplitBatch(ItemSpan batch);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_BATCH_SPLITTER_H_
