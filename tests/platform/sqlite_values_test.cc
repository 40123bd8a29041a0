#include <gtest/gtest.h>

#include <string>

#include "dal/context.h"
#include "dal/dal_comandos.h"
#include "platform/sqlite/connection_string.h"
#include "platform/sqlite/sql_value.h"
#include "platform/tsql/tsql_declared_types.h"
#include "runtime/date.h"
#include "tests/parameter_columns.h"
#include "tests/platform/sqlite_test_company.h"

// What only the SQLite engine does: the values and types every statement carries are compared
// on both engines by the data access cases; here, the declared types the company schema does not
// use, what only SQLite stores, the connection string it reads and the table it rebuilds.
namespace pellora::sqlite {
namespace {

TEST(SqliteDeclaredTypesTest, ReportsTheTypesOfTheServer) {
  const struct {
    const char* declared;
    int ado_type;
    long size;
  } cases[] = {{"INTEGER", adInteger, 4},
               {"[smallint]", adSmallInt, 2},
               {"tinyint", adUnsignedTinyInt, 1},
               {"decimal(18,4)", adNumeric, 19},
               {"[nvarchar](10) NOT NULL", adVarWChar, 10},
               {"nchar ( 3 )", adWChar, 3},
               {"varchar(20)", adVarChar, 20},
               {"nvarchar(max)", adLongVarWChar, tsql::kLongUnicodeSize},
               {"text", adLongVarChar, tsql::kLongTextSize},
               {"varbinary(MAX)", adLongVarBinary, tsql::kLongTextSize},
               {"image", adLongVarBinary, tsql::kLongTextSize},
               {"binary(8)", adBinary, 8},
               {"varbinary(-1)", adLongVarBinary, tsql::kLongTextSize},
               {"nchar", adWChar, 1},
               {"geometry", adEmpty, 0},
               {"", adEmpty, 0}};
  for (const auto& c : cases) {
    const tsql::ColumnType type = tsql::ColumnTypeFromDeclared(c.declared);
    EXPECT_EQ(std::pair(type.ado_type, type.ado_type == adEmpty ? 0 : type.defined_size),
              std::pair(c.ado_type, c.size))
        << c.declared;
  }
}

// SQLite keeps what it is given: a value the column's type cannot hold comes back as stored.
TEST(SqliteValuesTest, StoredValuesBecomeTheVariantOfTheFieldTypeOrStayAsStored) {
  const Date moment = DateFromParts({2024, 3, 9, 14, 5, 30});
  EXPECT_EQ(FromVariant(Variant(moment)), SqlValue(std::string("2024-03-09 14:05:30")));
  const struct {
    SqlValue stored;
    int field_type;
    Variant read;
  } cases[] = {{int64_t{7}, adSmallInt, int16_t{7}},
               {int64_t{1}, adVarWChar, "1"},
               {std::string("2024-03-09 14:05:30.250"), adDBTimeStamp, moment},
               {std::string("2024-03-09"), adDBTimeStamp, DateFromParts({2024, 3, 9})},
               {std::string("n/d"), adInteger, "n/d"},
               {std::string("ontem"), adDBTimeStamp, "ontem"},
               {int64_t{40000}, adSmallInt, int32_t{40000}}};
  for (const auto& c : cases) EXPECT_EQ(ToVariant(c.stored, c.field_type), c.read) << c.field_type;
}

// The forms the add-in builds are read by every company the pellora command opens; here, what it
// may also meet: blanks, quotes, keys in any case, empty values.
TEST(SqliteConnectionStringTest, BlanksQuotesCaseOfKeysAndEmptyValues) {
  const ConnectionString text(
      "  data source = \"/tmp/a;b\" ; INITIAL CATALOG='O''Neil' ;User Id=;Password=\"p\"\"q\"");
  EXPECT_EQ(text.Value("Data Source") + "|" + text.Value("Initial Catalog") + "|" +
                text.Value("user id") + "|" + text.Value("PASSWORD"),
            "/tmp/a;b|O'Neil||p\"q");
  EXPECT_EQ(text.DatabaseFile(), std::filesystem::path("/tmp/a;b/O'Neil.db"));
}

TEST(SqliteConnectionStringTest, MissingFolderOrCatalogGivesNoFile) {
  EXPECT_TRUE(ConnectionString("Initial Catalog=EMP1").DatabaseFile().empty());
  EXPECT_TRUE(ConnectionString("Data Source=/srv;Initial Catalog=  ").DatabaseFile().empty());
  EXPECT_EQ(ConnectionString("Data Source=/srv").Value("Initial Catalog"), "");
}

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
