// The add-in's parameters conversion, run on a SQLite company database, gives what the server
// would.
#include <gtest/gtest.h>

#include <string>

#include "dal/context.h"
#include "dal/dal_comandos.h"
#include "tests/parameter_columns.h"
#include "tests/platform/sqlite_test_company.h"

namespace pellora::sqlite {
namespace {

using testing::kParameterColumns;

const std::string kParametersGet = "SELECT TOP(1) * FROM oru_PARAMETROSEXP \r\n";

class SqliteParametersUpgradeTest : public SqliteCompanyTest {
 protected:
  // The table of the earlier layout, series columns as integers, with one row whose series
  // hold `series` (an SQLite literal); then the add-in's own conversion, through this data access.
  void Convert2022(const std::string& series) {
    std::string columns = "ID INTEGER PRIMARY KEY AUTOINCREMENT";
    std::string values = "1";
    for (const char* column : kParameterColumns) {
      const bool is_series = testing::IsSeriesColumn(column);
      columns += std::string(", ") + column +
                 (is_series ? " int NOT NULL" : " nvarchar(15) NOT NULL COLLATE NOCASE");
      values += is_series ? ", " + series : ", ''";
    }
    Prepare("CREATE TABLE oru_PARAMETROSEXP (" + columns + ");" +
            "CREATE INDEX IX_PARAMETROS_INVENTDOC ON oru_PARAMETROSEXP (INVENTDOC);" +
            "INSERT INTO oru_PARAMETROSEXP VALUES (" + values + ");");
    const ContextScope company({.data_access = data_});
    HlpDb_ParametrosConvert2022S();
  }
};

// The company test converts the values on both engines; SQLite rebuilds the table, which must
// keep its index, its identity and the server's text comparison.
TEST_F(SqliteParametersUpgradeTest, TheRebuiltTableKeepsItsIndexAndIdentity) {
  Convert2022("1");
  EXPECT_EQ(Query(kParametersGet)->Fields("INVENTSER").DefinedSize(), 10);
  EXPECT_EQ(Row("SELECT COUNT(*), (SELECT COUNT(*) FROM sqlite_schema WHERE name = "
                "'IX_PARAMETROS_INVENTDOC') FROM oru_PARAMETROSEXP WHERE INVENTSER = '1'"),
            "1|1");
  data_->ExecuteCommand("", "DELETE FROM oru_PARAMETROSEXP");
  RecordsetPtr again = Query(kParametersGet);
  again->AddNew();
  for (const char* column : kParameterColumns) again->Fields(column).SetValue("");
  again->Update();
  data_->SaveRecordset("", again);
  EXPECT_EQ(again->Fields("ID").Value(), Variant(int32_t{2}));  // identities are not reused
}

TEST_F(SqliteParametersUpgradeTest, FailsAsTheServerOnValuesThatDoNotFit) {
  try {
    Convert2022("12345678901");
    ADD_FAILURE() << "the conversion should fail";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), kDatabaseError);
    EXPECT_NE(error.description().find("LBXENCFORSER"), std::string::npos) << error.description();
  }
  EXPECT_EQ(Query(kParametersGet)->Fields("LBXENCFORSER").Type(), adInteger);
}

}  // namespace
}  // namespace pellora::sqlite
