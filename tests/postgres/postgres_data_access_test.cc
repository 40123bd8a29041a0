#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_company.h"
#include "platform/postgres/pg_connection.h"
#include "platform/postgres/postgres_data_access.h"
#include "platform/postgres/postgres_schema.h"
#include "runtime/convert.h"
#include "runtime/date.h"
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
  std::unique_ptr<PgConnection> Connect() const {
    return PgConnection::Open(*ParsePgAddress(SharedCluster().Server()), database_);
  }

 private:
  static std::string ConnectionTextFor(const std::string& server, const std::string& catalog) {
    return "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + server +
           ";Initial Catalog=" + catalog;
  }
  std::string Missing() const { return database_ + "_ausente"; }

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

// The server's connection under the data access, on the same company. A text sent again is
// prepared once and still takes new values; the texts used least recently are let go on the
// server; a text that could not be prepared is prepared again once it can be.
TEST_F(PostgresDataAccessTest, TextsArePreparedOnceWhileTheyAreUsed) {
  const std::unique_ptr<PgConnection> db = engine_.Connect();
  const auto value_of = [&](const std::string& sql) {
    return db->Run(sql)->Fields(size_t{0}).Value();
  };
  const auto prepared = [&] {
    return value_of("SELECT count(*) FROM pg_prepared_statements").AsLong();
  };
  db->Run("CREATE TABLE a (code varchar(10) PRIMARY KEY, qty integer)");
  for (int32_t i = 0; i < 50; ++i) {
    db->Run("INSERT INTO a VALUES ($1, $2)", {Variant("A" + std::to_string(i)), i});
  }
  EXPECT_EQ(value_of("SELECT sum(qty) AS s FROM a"), Variant(int32_t{1225}));
  EXPECT_EQ(prepared(), 3);  // the insert, the sum and the count; not the table's definition
  for (int i = 0; i < 300; ++i) db->Run("SELECT " + std::to_string(i) + " AS n");
  EXPECT_LE(prepared(), 256);
  EXPECT_EQ(value_of("SELECT 299 AS n"), Variant(int32_t{299}));

  const std::string query = "SELECT nada\n  FROM tabela_que_falta WHERE 1 = 1";
  EXPECT_EQ(ErrorNumberOf([&] { db->Run(query); }), kDatabaseError);
  db->Run("CREATE TABLE tabela_que_falta (nada integer)");
  EXPECT_EQ(db->Run(query)->RecordCount(), 0);
}

// Numbers kept in a table with a unique number, as another connection sees them after commit.
TEST_F(PostgresDataAccessTest, AFailingStatementLeavesTheTransactionUsable) {
  const std::unique_ptr<PgConnection> db = engine_.Connect();
  db->Run("CREATE TABLE docs (numero integer NOT NULL UNIQUE)");
  const auto insert = [&](int32_t number) { db->Run("INSERT INTO docs VALUES ($1)", {number}); };
  db->Begin();
  insert(1);
  std::string description;
  EXPECT_EQ(ErrorNumberOf([&] { insert(1); }, &description), kDatabaseError);
  EXPECT_NE(description.find("duplicate key"), std::string::npos) << description;
  EXPECT_EQ(ErrorNumberOf([&] { db->Run("SELECT * FROM tabela_que_falta"); }), kDatabaseError);
  insert(2);
  db->Commit();
  EXPECT_EQ(engine_.Connect()
                ->Run("SELECT string_agg(numero::text, ',' ORDER BY numero) FROM docs")
                ->Fields(size_t{0})
                .Value(),
            Variant("1,2"));
}

TEST_F(PostgresDataAccessTest, ServerTypesWithoutCommentsReadAsTheirAdoValues) {
  RecordsetPtr rows = engine_.Connect()->Run(
      "SELECT '-1234567.5'::money AS m, '\\x00ff41'::bytea AS b, 3000000000::bigint AS big,"
      " 42::bigint AS small, '2024-05-06 07:08:09.5'::timestamp AS t, 1.5::float4 AS f");
  for (const auto& [name, type, value] :
       {std::tuple{"m", adCurrency, Variant(Currency{-12345675000})},
        {"b", adLongVarBinary, Variant(Bytes{0x00, 0xff, 0x41})},
        {"big", adBigInt, Variant(3000000000.0)},
        {"small", adBigInt, Variant(int32_t{42})},
        {"t", adDBTimeStamp, Variant(DateFromParts({2024, 5, 6, 7, 8, 9}))},
        {"f", adSingle, Variant(1.5)}}) {
    EXPECT_EQ(rows->Fields(name).Type(), type) << name;
    EXPECT_EQ(rows->Fields(name).Value(), value) << name;
  }
}

}  // namespace
}  // namespace pellora::postgres
