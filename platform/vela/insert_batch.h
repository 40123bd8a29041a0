#ifndef PELLORA_PLATFORM_VELA_INSERT_BATCH_H_
#define PELLORA_PLATFORM_VELA_INSERT_BATCH_H_

#include <vector>

#include "interfaces/data_access.h"
#include "platform/vela/insert_statement.h"

namespace pellora::vela {

// Rows a document writes into one table, sent as few INSERT statements as their columns allow
// (consecutive rows that fill the same columns go together) and the statements of hundreds of
// rows in one exchange: a document of thousands of lines costs a server tens of round trips,
// not thousands, however its text and article lines alternate. Rows keep the order they were
// added in, and with it the order of their identities.
class InsertBatch {
 public:
  explicit InsertBatch(DataAccess& data_access) : data_access_(data_access) {}

  // Sends the rows held first when enough are held.
  void Add(InsertStatement row);
  // Sends every row held, all or none; raises on failure. Rows left unsent are never written.
  void Flush();

 private:
  // Enough to make round trips rare, few enough to keep a statement's values well within what
  // either engine takes.
  static constexpr size_t kRowsPerStatement = 100;
  static constexpr size_t kRowsPerExchange = 1000;

  DataAccess& data_access_;
  std::vector<InsertStatement> rows_;
};

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_INSERT_BATCH_H_
