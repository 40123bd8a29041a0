// A shared company beside the host's other writers: a sales desk that changes the stock rows an
// import moves is waited for, a deadlock runs the import again whole, and the stock ends as
// before plus every writer's change plus the document's, never one change lost.
#include <gtest/gtest.h>

#include <libpq-fe.h>

#include <atomic>
#include <chrono>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tests/app/pellora_process.h"
#include "tests/postgres/interrupted_import.h"
#include "tests/postgres/pg_rows.h"
#include "tests/shared_postgres_cluster.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

using testing::PostgresCluster;
using Stock = std::map<std::string, std::string>;  // "ARTIGO|ARMAZEM" -> EXISTENC, as a number

constexpr const char* kCompanies[] = {"pgescritor", "pgsozinho"};

Stock StockOf(const std::string& company) {
  Stock stock;
  for (const std::string& row :
       testing::PgRows(company, "SELECT ARTIGO || '|' || ARMAZEM, EXISTENC FROM ARTARM")) {
    stock[row.substr(0, row.rfind('|'))] =
        std::to_string(std::stod(row.substr(row.rfind('|') + 1)));
  }
  return stock;
}

// Two identical demo companies of transfers: the import runs alone on the second, beside other
// writers on the first, and the first must end as the second plus what the others added.
class OtherWriters : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("PGPASSWORD", PostgresCluster::kPassword, 1);
    const std::string server = "postgresql://" + std::string(PostgresCluster::kUser) +
                               "@127.0.0.1:" + std::to_string(testing::SharedCluster().port());
    for (const char* company : kCompanies) {
      ASSERT_EQ(
          Pellora(Options(company) + "demo --readings 200 --kind T --server " + server).status, 0);
    }
    import_ = "import --kind transferencia --set '" +
              PendingSets(Options(kCompanies[1]), "T").front() + "'";
    const Stock before = StockOf(kCompanies[1]);
    ASSERT_EQ(Pellora(Options(kCompanies[1]) + import_).status, 0);
    alone_ = StockOf(kCompanies[1]);
    for (const auto& [row, quantity] : alone_) {
      if (before.at(row) != quantity) moved_ = row;
    }
    ASSERT_FALSE(moved_.empty());
    const size_t bar = moved_.find('|');
    add_one_ = "UPDATE ARTARM SET EXISTENC = EXISTENC + 1 WHERE ARTIGO = '" +
               moved_.substr(0, bar) + "' AND ARMAZEM = '" + moved_.substr(bar + 1) + "'";
  }
  void TearDown() override {
    unsetenv("PGPASSWORD");  // the other tests of the program give it where they need it
    for (const char* company : kCompanies) testing::SharedCluster().DropDatabase(company);
  }

  std::string Options(const std::string& company) const {
    return "--dir '" + folder_.path().string() + "' --company " + company + " ";
  }
  // The import's stock with `added` more units on the row it moves.
  Stock AloneWith(int added) const {
    Stock expected = alone_;
    expected[moved_] = std::to_string(std::stod(expected[moved_]) + added);
    return expected;
  }

  testing::TempFolder folder_;
  std::string import_;
  Stock alone_;
  std::string moved_;    // a row of ARTARM the import moves
  std::string add_one_;  // adds a unit to that row
};

TEST_F(OtherWriters, ASalesDeskChangingTheStockRowsIsWaitedFor) {
  std::atomic<bool> stop = false;
  int added = 0;
  std::thread desk([&] {
    PGconn* connection = testing::PgConnect(kCompanies[0]);
    while (!stop) {
      PGresult* result = PQexec(connection, add_one_.c_str());
      if (PQresultStatus(result) == PGRES_COMMAND_OK) ++added;
      PQclear(result);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    PQfinish(connection);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const Outcome run = Pellora(Options(kCompanies[0]) + import_);
  stop = true;
  desk.join();
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_GT(added, 0);
  EXPECT_EQ(StockOf(kCompanies[0]), AloneWith(added));
}

// The desk locks a stock row the import has moved while the import waits for it: the server
// refuses the import, which runs again once the desk is done.
TEST_F(OtherWriters, ADeadlockRunsTheImportAgainWhole) {
  const Outcome run = testing::Interrupted(Options(kCompanies[0]) + import_, kCompanies[0],
                                           [&](PGconn* holder, PGconn*, const std::string&) {
                                             testing::PgRun(holder, add_one_);
                                             testing::PgRun(holder, "COMMIT");
                                           });
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(StockOf(kCompanies[0]), AloneWith(1));
  EXPECT_EQ(testing::PgRows(kCompanies[0], "SELECT COUNT(*) FROM DOCGCCAB"),
            testing::PgRows(kCompanies[1], "SELECT COUNT(*) FROM DOCGCCAB"));
}

}  // namespace
}  // namespace pellora::app
