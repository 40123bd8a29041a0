#ifndef PELLORA_TESTS_POSTGRES_INTERRUPTED_IMPORT_H_
#define PELLORA_TESTS_POSTGRES_INTERRUPTED_IMPORT_H_

#include <libpq-fe.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/app/pellora_process.h"
#include "tests/postgres/pg_rows.h"

namespace pellora::testing {

// Runs `sql` on `connection`, expecting no rows back.
inline void PgRun(PGconn* connection, const std::string& sql) {
  PGresult* result = PQexec(connection, sql.c_str());
  EXPECT_EQ(PQresultStatus(result), PGRES_COMMAND_OK) << sql << PQerrorMessage(connection);
  PQclear(result);
}

// What a test does to an import caught in the middle of its transaction: `holder` holds every
// reading locked, `watcher` saw the import's server process `pid` wait for them.
using Interruption = std::function<void(PGconn* holder, PGconn* watcher, const std::string& pid)>;

// Runs `pellora ARGS` while a transaction of this test holds every reading of company `database`
// (of the cluster listening on `port`) locked, and `interrupt`s it once its import waits to mark
// them: in the middle of its transaction, its documents written and its stock rows locked. The
// holder never gives way to the server's deadlock check first: when its wait closes a cycle, the
// import is the one refused.
inline app::Outcome Interrupted(const std::string& args, const std::string& database,
                                const Interruption& interrupt, int port = SharedCluster().port()) {
  PGconn* holder = PgConnect(database, port);
  PGconn* watcher = PgConnect(database, port);
  PgRun(holder, "SET deadlock_timeout = '1min'");
  PgRun(holder, "BEGIN");
  PgRowsOf(holder, "SELECT 1 FROM oru_ARM_Picking_Movimentos FOR UPDATE");
  std::future<app::Outcome> run =
      std::async(std::launch::async, [&] { return app::Pellora(args); });
  std::vector<std::string> waiting;
  for (int tries = 0; tries < 3000 && waiting.empty(); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    waiting = PgRowsOf(watcher,
                       "SELECT pid FROM pg_stat_activity WHERE application_name = "
                       "'Pellora' AND wait_event_type = 'Lock'");
  }
  EXPECT_FALSE(waiting.empty()) << "the command never waited for the readings";
  if (!waiting.empty()) interrupt(holder, watcher, waiting.front());
  app::Outcome outcome = run.get();
  PQfinish(watcher);
  PQfinish(holder);
  return outcome;
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_POSTGRES_INTERRUPTED_IMPORT_H_
