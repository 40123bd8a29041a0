// The end-to-end import cases on a company database of the test program's cluster.
#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_company.h"
#include "platform/postgres/postgres_data_access.h"
#include "platform/postgres/postgres_schema.h"
#include "tests/importacao/e2e_import_cases.h"
#include "tests/postgres/pg_rows.h"
#include "tests/shared_postgres_cluster.h"

namespace pellora::testing {
namespace {

class PostgresE2eEngine : public E2eEngine {
 public:
  PostgresE2eEngine() : database_(SharedCluster().CreateDatabase()) {}
  ~PostgresE2eEngine() override { SharedCluster().DropDatabase(database_); }

  // The company schema's syntax becomes PostgreSQL's as the company schema does.
  void Exec(const std::string& sql) override {
    std::unique_ptr<postgres::PgConnection> connection =
        postgres::PgConnection::Open(Address(), database_);
    connection->Begin();
    postgres::RunSchema(*connection, postgres::PostgresSchema(sql));
    connection->Commit();
  }
  std::vector<std::string> Rows(const std::string& sql) override { return PgRows(database_, sql); }
  std::shared_ptr<DataAccess> Connect() override {
    auto data = std::make_shared<postgres::PostgresDataAccess>();
    EXPECT_TRUE(data->OpenConnection("Data Source=" + SharedCluster().Server() +
                                     ";Initial Catalog=" + database_));
    return data;
  }

 private:
  static postgres::PgAddress Address() {
    return *postgres::ParsePgAddress(SharedCluster().Server());
  }

  std::string database_;
};

std::unique_ptr<E2eEngine> MakePostgresE2eEngine(const std::filesystem::path& /*folder*/) {
  return std::make_unique<PostgresE2eEngine>();
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Postgres, E2eImport, ::testing::Values(&MakePostgresE2eEngine));

}  // namespace pellora::testing
