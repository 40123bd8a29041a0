#ifndef PELLORA_PLATFORM_POSTGRES_PG_CONNECTION_H_
#define PELLORA_PLATFORM_POSTGRES_PG_CONNECTION_H_

#include <libpq-fe.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_connection_parameters.h"
#include "platform/postgres/pg_pipeline.h"
#include "platform/postgres/pg_result.h"
#include "platform/postgres/pg_statement_cache.h"
#include "platform/postgres/pg_table_catalog.h"
#include "platform/session/statement_observer.h"
#include "runtime/recordset.h"

namespace pellora::postgres {

// How long a statement waits for a lock another workstation holds before it fails.
inline constexpr std::chrono::milliseconds kDefaultLockTimeout{30000};

// A statement of PgConnection::RunAll: its text, with $1, $2... standing for `values`.
struct PgStatement {
  std::string sql;
  const std::vector<Variant>& values;
};

// One connection to a company database on a PostgreSQL server, running statements already in
// PostgreSQL's dialect.
class PgConnection {
 public:
  // Connects to database `company` on `address`; raises the database error, naming the server
  // but never the password, when it cannot.
  static std::unique_ptr<PgConnection> Open(
      const PgAddress& address, const std::string& company,
      std::chrono::milliseconds lock_timeout = kDefaultLockTimeout,
      std::chrono::milliseconds silence_limit = kDefaultSilenceLimit);
  ~PgConnection();
  PgConnection(const PgConnection&) = delete;
  PgConnection& operator=(const PgConnection&) = delete;

  // Ends the session; an open transaction is rolled back by the server. Running afterwards
  // raises the "not open" error.
  void Close();
  bool IsOpen() const { return connection_ != nullptr; }

  // Runs one statement with $1, $2... standing for `values`; its rows (all fetched), or an empty
  // open Recordset for a statement that returns none. Inside a transaction a failing statement
  // undoes only itself, as on SQL Server, and the transaction goes on.
  RecordsetPtr Run(std::string_view sql, const std::vector<Variant>& values = {});
  // Runs each statement in order, in one exchange with the server, its rows unread. Unlike Run,
  // a failure leaves the transaction to be rolled back; the statements after it are not run.
  void RunAll(const std::vector<PgStatement>& statements);

  // Runs `copy`, a COPY ... FROM STDIN, sending the data `next` appends to its (emptied) buffer
  // on each call, until a call answers false: whole lines of COPY's text format. Unlike Run, a
  // failure leaves the transaction to be rolled back.
  void CopyIn(const std::string& copy, const std::function<bool(std::string&)>& next);

  // Transactions nest as savepoints: only the outermost Commit makes the work durable, and
  // rolling back a level undoes what was done since its Begin. A Commit that fails leaves its
  // level open unless the server ended it.
  void Begin();
  void Commit();
  void Rollback();
  bool InTransaction() const { return depth_ > 0; }
  // Runs `work` as one level: committed when it returns, rolled back when it throws. A rollback
  // that fails too (the connection gone, and the transaction with it) leaves the first failure
  // to be told.
  void RunAsOneTransaction(const std::function<void()>& work);
  // The levels open: 0 outside a transaction.
  int Depth() const { return depth_; }

  // Forgets the tables described and the statements prepared: after a schema change the server
  // would refuse a prepared statement whose columns changed.
  void ForgetSchema();

  const std::string& company() const { return company_; }

  // Lets `observer` watch every statement from now on (nullptr: none).
  void Watch(session::StatementObserverPtr observer) { observer_ = std::move(observer); }

 private:
  PgConnection(PGconn* connection, std::string company, std::chrono::milliseconds lock_timeout);

  PGconn* Handle() const;
  // Whether the server still holds a transaction of this session open.
  bool ServerInTransaction() const;
  // Runs a statement of the backend's own (transaction control), raising on failure.
  void Control(const std::string& sql);
  [[noreturn]] void Fail(const PGresult* result, std::string_view statement) const;

  // A statement on its way to the server in a pipeline, and where its results will be.
  struct Queued {
    Queued(std::string sql, const std::vector<Variant>& values);
    std::string text;
    std::vector<std::optional<std::string>> parameters;  // in text form, nullopt for NULL
    std::vector<const char*> pointers;
    PgPrepared* kept = nullptr;      // its prepared statement, for a text worth preparing
    std::optional<size_t> prepared;  // the result of preparing it in this exchange
    size_t result = 0;               // the result of running it
  };
  // Adds `statement` to `pipeline`. A prepared statement the cache lets go is deallocated first,
  // or listed in `evicted` when the pipeline may have used it already.
  void Queue(PgPipeline& pipeline, Queued& statement, std::vector<std::string>* evicted);
  // The first of `statements` that failed, or nullptr; forgets the texts that failed to prepare.
  const Queued* FirstFailed(const std::vector<PgResult>& results, std::span<Queued> statements);
  // Ends the data of a COPY, refusing it with `refusal` when given; the first failed result.
  PgResult EndCopy(const char* refusal);

  PGconn* connection_;
  std::string company_;
  std::chrono::milliseconds lock_timeout_;
  PgStatementCache statements_;
  PgTableCatalog catalog_;
  int depth_ = 0;
  session::StatementObserverPtr observer_;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_CONNECTION_H_
