// A PostgreSQL connection on a fresh database of the test program's cluster: values sent and
// read back, the types SQL Server would report, texts prepared once, and transactions.
#include "platform/postgres/pg_connection.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_error.h"
#include "runtime/date.h"
#include "runtime/error.h"
#include "runtime/recordset.h"
#include "tests/shared_postgres_cluster.h"

namespace pellora::testing {
namespace {

using postgres::PgConnection;

// The description of the error `run` raises, whose number must be `number`; fails the test when
// it raises none.
template <typename Run>
std::string ErrorOf(Run run, long number = kDatabaseError) {
  try {
    run();
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), number);
    return error.description();
  }
  ADD_FAILURE() << "no error raised";
  return {};
}

class PgConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    database_ = SharedCluster().CreateDatabase();
    address_ = *postgres::ParsePgAddress(SharedCluster().Server());
    db_ = PgConnection::Open(address_, database_, postgres::kDefaultLockTimeout);
  }
  void TearDown() override {
    db_.reset();
    SharedCluster().DropDatabase(database_);
  }

  // The first value of `sql` on `db`.
  static Variant ValueOf(PgConnection& db, const std::string& sql) {
    return db.Run(sql)->Fields(size_t{0}).Value();
  }
  long Prepared() { return ValueOf(*db_, "SELECT count(*) FROM pg_prepared_statements").AsLong(); }

  postgres::PgAddress address_;
  std::string database_;
  std::unique_ptr<PgConnection> db_;
};

TEST_F(PgConnectionTest, TextSentAgainIsPreparedOnceAndStillTakesNewValues) {
  db_->Run("CREATE TABLE a (code varchar(10) PRIMARY KEY, qty integer)");
  for (int32_t i = 0; i < 50; ++i) {
    db_->Run("INSERT INTO a VALUES ($1, $2)", {Variant("A" + std::to_string(i)), i});
  }
  RecordsetPtr total = db_->Run("SELECT count(*) AS n, sum(qty) AS s FROM a");
  EXPECT_EQ(total->Fields("n").Value(), Variant(int32_t{50}));
  EXPECT_EQ(total->Fields("s").Value(), Variant(int32_t{1225}));
  EXPECT_EQ(Prepared(), 3);  // the insert, the sum and the count; not the table's definition
}

TEST_F(PgConnectionTest, TextsUsedLeastRecentlyAreLetGoOnTheServer) {
  for (int i = 0; i < 300; ++i) db_->Run("SELECT " + std::to_string(i) + " AS n");
  EXPECT_LE(Prepared(), 256);
  EXPECT_EQ(ValueOf(*db_, "SELECT 299 AS n"), Variant(int32_t{299}));
}

// A text that could not be prepared is prepared again once it can be.
TEST_F(PgConnectionTest, AFailedTextIsPreparedAgainOnceItCanBe) {
  const std::string query = "SELECT nada\n  FROM tabela_que_falta WHERE 1 = 1";
  ErrorOf([&] { db_->Run(query); });
  db_->Run("CREATE TABLE tabela_que_falta (nada integer)");
  EXPECT_EQ(db_->Run(query)->RecordCount(), 0);
}

TEST_F(PgConnectionTest, PasswordNeverAppearsInConnectionErrors) {
  postgres::PgAddress wrong = address_;
  wrong.password = "Errada-91x";
  const std::string message =
      ErrorOf([&] { PgConnection::Open(wrong, database_, postgres::kDefaultLockTimeout); },
              kServerLinkFailed);
  EXPECT_NE(message.find("recusou o utilizador"), std::string::npos) << message;
  EXPECT_NE(message.find("127.0.0.1:" + std::to_string(wrong.port)), std::string::npos);
  EXPECT_EQ(message.find("Errada-91x"), std::string::npos) << message;

  // The database name is what the operator typed: it cannot smuggle options in either.
  const std::string odd = ErrorOf(
      [&] { PgConnection::Open(address_, "x password=Errada-91x", postgres::kDefaultLockTimeout); },
      kServerLinkFailed);
  EXPECT_NE(odd.find("não existe no servidor"), std::string::npos) << odd;
}

// Numbers kept in a table with a unique number, as another connection sees them after commit.
TEST_F(PgConnectionTest, FailingStatementLeavesTheTransactionUsable) {
  db_->Run("CREATE TABLE docs (numero integer NOT NULL UNIQUE)");
  const auto insert = [&](int32_t number) { db_->Run("INSERT INTO docs VALUES ($1)", {number}); };
  db_->Begin();
  insert(1);
  EXPECT_NE(ErrorOf([&] { insert(1); }).find("duplicate key"), std::string::npos);
  ErrorOf([&] { db_->Run("SELECT * FROM tabela_que_falta"); });
  insert(2);
  db_->Commit();
  EXPECT_EQ(ValueOf(*PgConnection::Open(address_, database_, postgres::kDefaultLockTimeout),
                    "SELECT string_agg(numero::text, ',' ORDER BY numero) FROM docs"),
            Variant("1,2"));
}

TEST_F(PgConnectionTest, ServerTypesWithoutCommentsReadAsTheirAdoValues) {
  RecordsetPtr rows = db_->Run(
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
}  // namespace pellora::testing
