#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_company.h"
#include "platform/postgres/pg_connection.h"
#include "platform/postgres/postgres_data_access.h"
#include "platform/postgres/postgres_schema.h"
#include "runtime/convert.h"
#include "tests/data_access_cases.h"
#include "tests/shared_postgres_cluster.h"

namespace pellora::postgres {
namespace {

using testing::SharedCluster;

// A fresh company database on the test program's cluster.
class PostgresEngine {
 public:
  static constexpr const char* kMissingTable = "relation \"artigox\" does not exist";
  static constexpr const char* kDuplicateKey = "duplicate key value";

  std::unique_ptr<DataAccess> MakeDataAccess(std::chrono::milliseconds wait,
                                             session::StatementObserverPtr watch = nullptr) {
    return std::make_unique<PostgresDataAccess>(wait, kDefaultSilenceLimit, std::move(watch));
  }
  void CreateCompany() { database_ = SharedCluster().CreateDatabase(); }
  void DropCompany() { SharedCluster().DropDatabase(database_); }
  std::string ConnectionText() const {
    return ConnectionTextFor(SharedCluster().Server(), database_) +
           ";User Id=sa;Password=segredo; ";
  }
  // A database that does not exist, a server nobody listens on and a folder.
  std::vector<std::string> UnopenableConnectionTexts() const {
    return {ConnectionTextFor(SharedCluster().Server(), Missing()),
            ConnectionTextFor("postgresql://127.0.0.1:1", database_),
            ConnectionTextFor("/tmp", database_)};
  }
  bool CreatedNothing() {
    RecordsetPtr rows =
        Connect()->Run("SELECT count(*) FROM pg_database WHERE datname = $1", {Variant(Missing())});
    return CLng(rows->Fields(size_t{0}).Value()) == 0;
  }
  // The company schema's syntax becomes PostgreSQL's as the company schema does.
  void Prepare(const std::string& sql) { RunSchema(*Connect(), PostgresSchema(sql)); }

 private:
  static std::string ConnectionTextFor(const std::string& server, const std::string& catalog) {
    return "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + server +
           ";Initial Catalog=" + catalog;
  }
  std::string Missing() const { return database_ + "_ausente"; }
  std::unique_ptr<PgConnection> Connect() const {
    return PgConnection::Open(*ParsePgAddress(SharedCluster().Server()), database_);
  }

  std::string database_;
};

}  // namespace
}  // namespace pellora::postgres

namespace pellora::testing {
INSTANTIATE_TYPED_TEST_SUITE_P(Postgres, DataAccessCases, postgres::PostgresEngine);
}  // namespace pellora::testing

namespace pellora::postgres {
namespace {

// On the data-access cases' company, which starts with the table ARTIGOS.
using PostgresDataAccessTest = testing::DataAccessCases<PostgresEngine>;
using testing::Texts;

// An import sends the UPDATE that marks its readings once per reading: run every time, the
// marking of thousands of readings rewrites each of them thousands of times. Each UPDATE that
// reaches the row writes its next version in the table's first page: (0,1) as inserted, then
// (0,2), (0,3)...
TEST_F(PostgresDataAccessTest, ARepeatedUpdateInATransactionIsNotRunAgain) {
  Exec("INSERT INTO ARTIGOS (CODIGO, NOME) VALUES (N'A1', N'x')");
  const std::string mark = "UPDATE ARTIGOS SET NOME = N'marcado' WHERE CODIGO = N'A1'";
  const std::string version = "SELECT CAST(ctid AS text) AS V FROM ARTIGOS";
  ASSERT_EQ(Rows(version), Texts{"(0,1)"});
  data_->BeginTransaction();
  for (int i = 0; i < 3; ++i) Exec(mark);
  EXPECT_EQ(Rows(version), Texts{"(0,2)"});
  Exec(mark);  // a query ran in between
  data_->CommitTransaction();
  EXPECT_EQ(Rows(version), Texts{"(0,3)"});
}

}  // namespace
}  // namespace pellora::postgres
