#ifndef PELLORA_PLATFORM_SQLITE_SESSION_H_
#define PELLORA_PLATFORM_SQLITE_SESSION_H_

#include <memory>
#include <string>
#include <string_view>

#include "platform/sqlite/database.h"
#include "platform/sqlite/schema_cache.h"
#include "platform/tsql/transaction_memory.h"
#include "platform/tsql/translation_cache.h"
#include "runtime/recordset.h"

namespace pellora::sqlite {

class BatchRunner;

// An open company database with what the add-in's SQL text needs around it: the schema the
// translator consults and the nested transactions.
class Session {
 public:
  explicit Session(std::unique_ptr<Database> db) : db_(std::move(db)), schema_(*db_) {}

  Database& db() { return *db_; }

  // Translates and runs the T-SQL batch `tsql`: the rows of its last statement that returned
  // any, or an empty open Recordset. Inside a transaction, a repeatable UPDATE sent again right
  // after itself is not run again, and a query sent again while nothing was written gives a
  // copy of the rows it gave before.
  RecordsetPtr Run(std::string_view tsql);
  // The same with each "?" of the batch standing for the next of `values`; never skipped as a
  // repeat, since the values may differ.
  RecordsetPtr Run(std::string_view tsql, const std::vector<Variant>& values);
  // Tells the session that rows were written other than through Run.
  void NoteWrite() { memory_.Forget(); }

  // Transactions nest as savepoints: only the outermost Commit makes the work durable, and
  // rolling back a level undoes what was done since its Begin.
  void Begin();
  void Commit();
  void Rollback();
  bool InTransaction() const { return depth_ > 0; }

 private:
  static std::string LevelName(int level);
  std::shared_ptr<const tsql::Translation> Translated(std::string_view tsql);
  // The rows `runner` gives for `steps`; a failure part way forgets what the transaction kept.
  RecordsetPtr RunSteps(BatchRunner& runner, const std::vector<Step>& steps);

  std::unique_ptr<Database> db_;
  SchemaCache schema_;
  tsql::TranslationCache translations_;
  tsql::TransactionMemory memory_;
  int depth_ = 0;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SESSION_H_
