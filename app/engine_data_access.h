#ifndef PELLORA_APP_ENGINE_DATA_ACCESS_H_
#define PELLORA_APP_ENGINE_DATA_ACCESS_H_

#include <chrono>
#include <memory>
#include <string>

#include "interfaces/forwarding_data_access.h"
#include "platform/postgres/postgres_data_access.h"
#include "platform/session/statement_observer.h"

namespace pellora::app {

// The data-access object the program hands out: it becomes the engine the connection string's
// server names as it opens, a PostgreSQL server for a postgresql:// address and the SQLite
// folder of company files otherwise, and passes every call on to it.
class EngineDataAccess : public ForwardingDataAccess {
 public:
  // Statements wait up to `busy_timeout` while another workstation writes to the company; a
  // server lets this one keep the company `silence_limit` after it stops answering; `observer`,
  // when given, watches every statement.
  explicit EngineDataAccess(
      std::chrono::milliseconds busy_timeout,
      std::chrono::milliseconds silence_limit = postgres::kDefaultSilenceLimit,
      session::StatementObserverPtr observer = nullptr)
      : busy_timeout_(busy_timeout),
        silence_limit_(silence_limit),
        observer_(std::move(observer)) {}

  bool OpenConnection(const std::string& connection_string) override;
  void RollbackTransaction() override {
    work_undone_ = true;
    ForwardingDataAccess::RollbackTransaction();
  }

  // Why the last OpenConnection on a server answered False; null on a file company.
  const postgres::PgConnectError* ServerRefusal() const;
  // Whether work was rolled back since this object was made: the add-in and the host undo work
  // only when it failed.
  bool WorkUndone() const { return work_undone_; }

 private:
  std::chrono::milliseconds busy_timeout_;
  std::chrono::milliseconds silence_limit_;
  session::StatementObserverPtr observer_;
  std::shared_ptr<postgres::PostgresDataAccess> server_;  // the engine, on a server
  bool work_undone_ = false;
};

}  // namespace pellora::app

#endif  // PELLORA_APP_ENGINE_DATA_ACCESS_H_
