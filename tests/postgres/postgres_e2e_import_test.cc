// The end-to-end import cases on a company database of the test program's cluster.
#include <libpq-fe.h>

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_company.h"
#include "platform/postgres/postgres_data_access.h"
#include "platform/postgres/postgres_schema.h"
#include "tests/importacao/e2e_import_cases.h"
#include "tests/postgres_cluster.h"

namespace pellora::testing {
namespace {

class PostgresE2eEngine : public E2eEngine {
 public:
  PostgresE2eEngine() : database_(PostgresCluster::Shared().CreateDatabase()) {
    const std::string conninfo =
        "host=127.0.0.1 port=" + std::to_string(PostgresCluster::Shared().port()) +
        " user=" + PostgresCluster::kUser + " password=" + PostgresCluster::kPassword +
        " dbname=" + database_ + " options='-c DateStyle=ISO'";
    reader_ = PQconnectdb(conninfo.c_str());
    EXPECT_EQ(PQstatus(reader_), CONNECTION_OK) << PQerrorMessage(reader_);
  }
  ~PostgresE2eEngine() override {
    PQfinish(reader_);
    PostgresCluster::Shared().DropDatabase(database_);
  }

  // The company schema's syntax becomes PostgreSQL's as the company schema does.
  void Exec(const std::string& sql) override {
    std::unique_ptr<postgres::PgConnection> connection =
        postgres::PgConnection::Open(Address(), database_);
    connection->Begin();
    postgres::RunSchema(*connection, postgres::PostgresSchema(sql));
    connection->Commit();
  }
  std::vector<std::string> Rows(const std::string& sql) override {
    PGresult* result = PQexec(reader_, sql.c_str());
    std::vector<std::string> rows;
    EXPECT_EQ(PQresultStatus(result), PGRES_TUPLES_OK) << PQresultErrorMessage(result) << sql;
    for (int row = 0; row < PQntuples(result); ++row) {
      std::string text;
      for (int column = 0; column < PQnfields(result); ++column) {
        if (column > 0) text += "|";
        text += PQgetisnull(result, row, column) ? "NULL" : PQgetvalue(result, row, column);
      }
      rows.push_back(text);
    }
    PQclear(result);
    return rows;
  }
  std::shared_ptr<DataAccess> Connect() override {
    auto data = std::make_shared<postgres::PostgresDataAccess>();
    EXPECT_TRUE(data->OpenConnection("Data Source=" + PostgresCluster::Shared().Server() +
                                     ";Initial Catalog=" + database_));
    return data;
  }

 private:
  static postgres::PgAddress Address() {
    return *postgres::ParsePgAddress(PostgresCluster::Shared().Server());
  }

  std::string database_;
  PGconn* reader_ = nullptr;
};

std::unique_ptr<E2eEngine> MakePostgresE2eEngine(const std::filesystem::path& /*folder*/) {
  return std::make_unique<PostgresE2eEngine>();
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Postgres, E2eImport, ::testing::Values(&MakePostgresE2eEngine));

}  // namespace pellora::testing
