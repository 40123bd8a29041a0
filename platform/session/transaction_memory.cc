#include "platform/session/transaction_memory.h"

#include <memory>

namespace pellora::session {

RecordsetPtr TransactionMemory::Recall(std::string_view tsql) {
  if (RecordsetPtr kept = results_.Find(tsql)) {
    last_repeatable_.clear();
    return kept;
  }
  if (!last_repeatable_.empty() && tsql == last_repeatable_) return EmptyRecordset();
  last_repeatable_.clear();
  return nullptr;
}

void TransactionMemory::NoteRun(std::string_view tsql, bool in_transaction, bool repeatable_update,
                                bool only_read, const RecordsetPtr& rows) {
  if (!only_read) {
    results_.Clear();
  } else if (in_transaction && rows) {
    results_.Keep(tsql, *rows);
  }
  if (in_transaction && repeatable_update) last_repeatable_ = tsql;
}

void TransactionMemory::NoteRunWithValues(bool only_read) {
  last_repeatable_.clear();
  if (!only_read) results_.Clear();
}

void TransactionMemory::Forget() {
  results_.Clear();
  last_repeatable_.clear();
}

RecordsetPtr EmptyRecordset() {
  auto empty = std::make_shared<Recordset>();
  empty->Open();
  return empty;
}

}  // namespace pellora::session
