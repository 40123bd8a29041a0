#include "platform/postgres/pg_connection.h"

#include <gtest/gtest.h>

#include "platform/postgres/pg_error.h"
#include "runtime/date.h"
#include "runtime/error.h"
#include "tests/postgres/pg_test_database.h"

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

class PgConnectionTest : public PgDatabaseTest {};

TEST_F(PgConnectionTest, ParametersReachTheServerAndComeBackAsTheyWere) {
  auto db = Connect();
  db->Run(
      "CREATE TABLE v (i smallint, l integer, d float8, c numeric(19,4), t timestamp,"
      " b boolean, s varchar(40), n integer)");
  const Date when = DateFromParts({2024, 2, 29, 23, 59, 58});
  const std::vector<Variant> values = {Variant(int16_t{-7}),
                                       Variant(int32_t{2000000000}),
                                       Variant(0.1),
                                       Variant(Currency{-12345678}),
                                       Variant(when),
                                       Variant(true),
                                       Variant("O'Neil; DROP TABLE v --"),
                                       Variant::Null()};
  db->Run("INSERT INTO v VALUES ($1, $2, $3, $4, $5, $6, $7, $8)", values);
  RecordsetPtr rows = db->Run("SELECT * FROM v");
  ASSERT_EQ(rows->RecordCount(), 1);
  for (size_t field = 0; field < values.size(); ++field) {
    EXPECT_EQ(rows->Fields(field).Value(), values[field]) << rows->Fields(field).Name();
  }
}

TEST_F(PgConnectionTest, TextSentAgainIsPreparedOnceAndStillTakesNewValues) {
  auto db = Connect();
  db->Run("CREATE TABLE a (code varchar(10) PRIMARY KEY, qty integer)");
  const std::string insert = "INSERT INTO a VALUES ($1, $2)";
  for (int32_t i = 0; i < 50; ++i) db->Run(insert, {Variant("A" + std::to_string(i)), i});
  RecordsetPtr total = db->Run("SELECT count(*) AS n, sum(qty) AS s FROM a");
  EXPECT_EQ(total->Fields("n").Value(), Variant(int32_t{50}));
  EXPECT_EQ(total->Fields("s").Value(), Variant(int32_t{1225}));
  // The insert, the sum and this query; not the table's definition.
  RecordsetPtr prepared = db->Run("SELECT count(*) FROM pg_prepared_statements");
  EXPECT_EQ(prepared->Fields(size_t{0}).Value(), Variant(int32_t{3}));
}

TEST_F(PgConnectionTest, TextsUsedLeastRecentlyAreLetGoOnTheServer) {
  auto db = Connect();
  for (int i = 0; i < 300; ++i) db->Run("SELECT " + std::to_string(i) + " AS n");
  RecordsetPtr prepared = db->Run("SELECT count(*) AS n FROM pg_prepared_statements");
  EXPECT_LE(prepared->Fields("n").Value().AsLong(), 256);
  EXPECT_EQ(db->Run("SELECT 299 AS n")->Fields("n").Value(), Variant(int32_t{299}));
}

// A text that could not be prepared is prepared again once it can be.
TEST_F(PgConnectionTest, AFailedTextIsPreparedAgainOnceItCanBe) {
  auto db = Connect();
  const std::string query = "SELECT nada\n  FROM tabela_que_falta WHERE 1 = 1";
  ErrorOf([&] { db->Run(query); });
  db->Run("CREATE TABLE tabela_que_falta (nada integer)");
  EXPECT_EQ(db->Run(query)->RecordCount(), 0);
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

}  // namespace
}  // namespace pellora::testing
