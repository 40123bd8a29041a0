// The add-in's SQL Server statements, run on a SQLite company database, give what the server
// would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dal/context.h"
#include "dal/dal_comandos.h"
#include "tests/parameter_columns.h"
#include "tests/platform/sqlite_test_company.h"
#include "tests/runtime/recordset_testing.h"

namespace pellora::sqlite {
namespace {

using testing::IsSeriesColumn;
using testing::kParameterColumns;

class SqliteStockDocumentsTest : public SqliteCompanyTest {
 protected:
  void SetUp() override {
    SqliteCompanyTest::SetUp();
    Prepare(
        "CREATE TABLE DOCGCCAB (TPDOC nvarchar(3) COLLATE NOCASE, SERIE nvarchar(10) COLLATE "
        "NOCASE, NNUMDOC int, Ano smallint, NVIAS smallint, AREAG smallint, TPFSTC smallint, "
        "HOURNEW nvarchar(8), DateUpd datetime, HourUpd nvarchar(8), [CONVERT] smallint);"
        "CREATE TABLE DOCGCLIN (TPDOCUM nvarchar(3) COLLATE NOCASE, SERIE nvarchar(10) COLLATE "
        "NOCASE, NNUMDOC int, Ano smallint, NUMLINHA int, ARTIGO nvarchar(15) COLLATE NOCASE, "
        "ARMAZEM nvarchar(6) COLLATE NOCASE, QUANT float, FACTOR float);"
        "INSERT INTO DOCGCCAB VALUES "
        "('ENT', 'A', 1, 2024, 0, 4, 1, '10:00:00', '2024-03-09 00:00:00', '10:00:00', 0),"
        "('SAI', 'A', 2, 2024, 0, 4, 2, '12:00:00', '2024-03-09 00:00:00', '12:00:00', 0),"
        "('SAI', 'A', 3, 2024, 0, 4, 2, '08:00:00', '2024-03-10 00:00:00', '08:00:00', 0),"
        "('ECL', 'A', 7, 2024, 0, 1, 0, '08:00:00', '2024-03-01 00:00:00', '08:00:00', 0);"
        "INSERT INTO DOCGCLIN VALUES "
        "('ENT', 'A', 1, 2024, 1, 'A1', 'M1', 5, 2), ('SAI', 'A', 2, 2024, 1, 'A1', 'M1', 2, 0),"
        "('SAI', 'A', 3, 2024, 1, 'A1', 'M1', 7, NULL), ('ECL', 'A', 7, 2024, 1, 'A1', 'M1', 0, 1),"
        "('ECL', 'A', 7, 2024, 2, 'A2', 'M1', 4, 1);");
  }

  // The add-in's own movements query, sent through this data access.
  RecordsetPtr Movements(const std::string& from, const std::string& to) {
    const ContextScope company(
        {.data_access = DataAccessPtr(&data_, [](DataAccess*) {})});  // the fixture owns it
    return HlpDb_MovimentosEntreDatasGet("A1", "M1", from, to);
  }
};

// In the article's base unit: an entry of 5 packs of 2, exits whose factor 0 or NULL counts as 1.
TEST_F(SqliteStockDocumentsTest, MovementsSumWithTheStockSignInsideTheWindow) {
  RecordsetPtr window = Movements("2024030909:00:00", "2024030912:00:00");
  ASSERT_EQ(window->RecordCount(), 1);
  EXPECT_EQ(window->Fields("ENTRADASSAIDAS").Type(), adDouble);
  EXPECT_EQ(window->Fields("ENTRADASSAIDAS").Value(), Variant(8.0));
  EXPECT_EQ(Movements("2024030909:00:00", "2024031008:00:00")->Fields(0).Value(), Variant(1.0));
  EXPECT_EQ(Movements("2024030910:00:00", "2024030910:00:00")->Fields(0).Value(), Variant(10.0));

  RecordsetPtr empty = Movements("2025010100:00:00", "2025123123:59:59");
  ASSERT_EQ(empty->RecordCount(), 1);
  EXPECT_EQ(empty->Fields("ENTRADASSAIDAS").Type(), adDouble);
  EXPECT_TRUE(empty->Fields("ENTRADASSAIDAS").Value().IsNull());
}

const std::string kParametersGet = "SELECT TOP(1) * FROM oru_PARAMETROSEXP \r\n";

class SqliteParametersUpgradeTest : public SqliteCompanyTest {
 protected:
  // The table of the earlier layout, series columns as integers, with one row whose series
  // hold `series` (an SQLite literal).
  void CreateOldTable(const std::string& series) {
    std::string columns = "ID INTEGER PRIMARY KEY AUTOINCREMENT";
    std::string values = "1";
    for (const char* column : kParameterColumns) {
      const bool is_series = IsSeriesColumn(column);
      columns += std::string(", ") + column +
                 (is_series ? " int NOT NULL" : " nvarchar(15) NOT NULL COLLATE NOCASE");
      values += is_series ? ", " + series : ", ''";
    }
    Prepare("CREATE TABLE oru_PARAMETROSEXP (" + columns + ");" +
            "CREATE INDEX IX_PARAMETROS_INVENTDOC ON oru_PARAMETROSEXP (INVENTDOC);" +
            "INSERT INTO oru_PARAMETROSEXP VALUES (" + values + ");");
  }

  // The add-in's own conversion, sent through this data access.
  void Convert2022() {
    const ContextScope company({.data_access = DataAccessPtr(&data_, [](DataAccess*) {})});
    HlpDb_ParametrosConvert2022S();
  }
};

// The company test converts the values on both engines; SQLite rebuilds the table, which must
// keep its index, its identity and the server's text comparison.
TEST_F(SqliteParametersUpgradeTest, TheRebuiltTableKeepsItsIndexAndIdentity) {
  CreateOldTable("1");
  Convert2022();
  EXPECT_EQ(Query(kParametersGet)->Fields("INVENTSER").DefinedSize(), 10);
  EXPECT_EQ(
      Query("SELECT name FROM sqlite_schema WHERE name = 'IX_PARAMETROS_INVENTDOC'")->RecordCount(),
      1);
  EXPECT_EQ(Query("SELECT ID FROM oru_PARAMETROSEXP WHERE INVENTSER = '1'")->RecordCount(), 1);
  data_.ExecuteCommand("", "DELETE FROM oru_PARAMETROSEXP");
  RecordsetPtr again = Query(kParametersGet);
  again->AddNew();
  for (const char* column : kParameterColumns) again->Fields(column).SetValue("");
  again->Update();
  data_.SaveRecordset("", again);
  EXPECT_EQ(again->Fields("ID").Value(), Variant(int32_t{2}));  // identities are not reused
}

TEST_F(SqliteParametersUpgradeTest, FailsAsTheServerOnValuesThatDoNotFit) {
  CreateOldTable("12345678901");
  std::string description;
  try {
    Convert2022();
    ADD_FAILURE() << "the conversion should fail";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), kDatabaseError);
    description = error.description();
  }
  EXPECT_NE(description.find("LBXENCFORSER"), std::string::npos) << description;
  EXPECT_EQ(Query(kParametersGet)->Fields("LBXENCFORSER").Type(), adInteger);
}

}  // namespace
}  // namespace pellora::sqlite
