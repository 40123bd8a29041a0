#ifndef PELLORA_PLATFORM_SESSION_SESSION_H_
#define PELLORA_PLATFORM_SESSION_SESSION_H_

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "interfaces/data_access.h"
#include "platform/session/engine_backend.h"
#include "platform/session/transaction_memory.h"
#include "platform/session/translation_cache.h"
#include "runtime/recordset.h"

namespace pellora::session {

// An open company database with what the add-in's T-SQL needs around it, on any engine: the
// translations of the texts sent lately, the nested transactions and what a transaction
// remembers.
class Session {
 public:
  explicit Session(std::unique_ptr<EngineBackend> backend) : backend_(std::move(backend)) {}

  const char* ErrorSource() const { return backend_->ErrorSource(); }

  // Translates and runs the T-SQL batch `tsql`: the rows of its last statement that returned
  // any, or an empty open Recordset. Inside a transaction, a repeatable UPDATE sent again right
  // after itself is not run again, and a query sent again while nothing was written gives a
  // copy of the rows it gave before.
  RecordsetPtr Run(std::string_view tsql);
  // The same with each "?" of the batch standing for the next of `values`; never skipped as a
  // repeat, since the values may differ. Outside a transaction, a batch that writes is a level of
  // its own, which takes the company's write lock on either engine: rows never come in under the
  // transaction of the workstation that holds it.
  RecordsetPtr Run(std::string_view tsql, const std::vector<Variant>& values);

  // Runs each statement as Run(tsql, values) does, in a level of its own: all or none.
  void RunAll(const std::vector<ValuedStatement>& statements);

  // Appends every row of `rows` to `table` in a level of its own (see EngineBackend).
  void AppendRows(std::string_view table, const Recordset& rows);

  // Writes row `row` of `recordset` to its base table at once (see PlanRowChange).
  void WriteRow(Recordset& recordset, size_t row);
  // Writes every changed and new row of `recordset`, all or none, and accepts the changes.
  void WriteRows(Recordset& recordset);

  // Transactions nest: only the outermost Commit makes the work durable, and rolling back a
  // level undoes what was done since its Begin. A Commit that fails ends its level all the same,
  // undoing its work: a transaction that can no longer end never keeps the company locked. The
  // Rollback an error handler sends right after such a Commit finds its level undone and is
  // quiet.
  void Begin();
  void Commit();
  void Rollback();
  bool InTransaction() const { return depth_ > 0; }

 private:
  std::shared_ptr<const Translation> Translated(std::string_view tsql);
  BatchResult RunSteps(std::string_view tsql, const Translation& translation,
                       const std::vector<Variant>& values);
  // True when `translation` writes outside a transaction: it then runs in a level of its own.
  bool NeedsOwnLevel(const Translation& translation) const;
  // Runs `work` in a level of its own, committed when it returns and undone when it raises.
  void InOwnLevel(const std::function<void()>& work);
  // The same for a batch, returning its rows.
  RecordsetPtr RowsInOwnLevel(const std::function<RecordsetPtr()>& run);
  // Raises when no level is open; `verb` says what was asked ("confirmar", "anular").
  void RequireLevel(const char* verb) const;
  // Ends the innermost level undoing its work, keeping quiet about a failure to: the error that
  // brought us here is the one to report.
  void AbandonLevel();

  std::unique_ptr<EngineBackend> backend_;
  TranslationCache translations_;
  TransactionMemory memory_;
  int depth_ = 0;
  bool commit_failed_ = false;  // the last Begin, Commit or Rollback was a Commit that failed
};

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_SESSION_H_
