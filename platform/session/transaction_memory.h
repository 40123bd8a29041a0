#ifndef PELLORA_PLATFORM_SESSION_TRANSACTION_MEMORY_H_
#define PELLORA_PLATFORM_SESSION_TRANSACTION_MEMORY_H_

#include <string>
#include <string_view>

#include "platform/session/result_cache.h"
#include "runtime/recordset.h"

namespace pellora::session {

// What a session remembers of the batches its write transaction ran, to spare the engine work
// done already: while the transaction holds the company and nothing is written, a query sent
// again reads the same rows, and a repeatable UPDATE (IsRepeatableUpdate) sent again right
// after itself changes nothing. Outside a transaction nothing is remembered.
class TransactionMemory {
 public:
  // What `tsql`, a batch without values, is answered with without running it: a copy of the
  // rows kept for it, or an empty open Recordset for a repeat; nullptr when it must run.
  RecordsetPtr Recall(std::string_view tsql);
  // Notes that `tsql`, a batch without values, ran and gave `rows` (nullptr for none).
  void NoteRun(std::string_view tsql, bool in_transaction, bool repeatable_update, bool only_read,
               const RecordsetPtr& rows);
  // Notes that a batch with values ran: its values are not part of the text, so nothing of it
  // is kept.
  void NoteRunWithValues(bool only_read);
  // Forgets everything: rows were written other than through a batch, a batch failed part way,
  // or the transaction ended.
  void Forget();

 private:
  ResultCache results_;
  std::string last_repeatable_;  // the repeatable UPDATE run last, while nothing else ran
};

// An open Recordset without fields or rows: the answer of a batch that returned none.
RecordsetPtr EmptyRecordset();

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_TRANSACTION_MEMORY_H_
