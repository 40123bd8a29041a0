#include <gtest/gtest.h>

#include "platform/sqlite/sql_value.h"
#include "platform/tsql/tsql_declared_types.h"
#include "runtime/date.h"

// The values and types every statement carries are compared on both engines by the data access
// cases; here, the declared types the company schema does not use and what only SQLite stores.
namespace pellora::sqlite {

using tsql::ColumnType;
using tsql::ColumnTypeFromDeclared;
using tsql::kLongTextSize;
using tsql::kLongUnicodeSize;
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
               {"nvarchar(max)", adLongVarWChar, kLongUnicodeSize},
               {"text", adLongVarChar, kLongTextSize},
               {"varbinary(MAX)", adLongVarBinary, kLongTextSize},
               {"image", adLongVarBinary, kLongTextSize},
               {"binary(8)", adBinary, 8},
               {"varbinary(-1)", adLongVarBinary, kLongTextSize},
               {"nchar", adWChar, 1},
               {"geometry", adEmpty, 0},
               {"", adEmpty, 0}};
  for (const auto& c : cases) {
    const ColumnType type = ColumnTypeFromDeclared(c.declared);
    EXPECT_EQ(std::pair(type.ado_type, type.ado_type == adEmpty ? 0 : type.defined_size),
              std::pair(c.ado_type, c.size))
        << c.declared;
  }
}

// SQLite keeps what it is given: a value the column's type cannot hold comes back as stored.
TEST(SqliteValuesTest, StoredValuesBecomeTheVariantOfTheFieldTypeOrStayAsStored) {
  const Date moment = DateFromParts({2024, 3, 9, 14, 5, 30});
  EXPECT_EQ(FromVariant(Variant(moment)), SqlValue(std::string("2024-03-09 14:05:30")));
  const std::pair<SqlValue, int> stored[] = {
      {int64_t{7}, adSmallInt},
      {int64_t{1}, adVarWChar},
      {std::string("2024-03-09 14:05:30.250"), adDBTimeStamp},
      {std::string("2024-03-09"), adDBTimeStamp},
      {std::string("n/d"), adInteger},
      {std::string("ontem"), adDBTimeStamp},
      {int64_t{40000}, adSmallInt}};
  const Variant read[] = {Variant(int16_t{7}),    Variant("1"),
                          Variant(moment),        Variant(DateFromParts({2024, 3, 9})),
                          Variant("n/d"),         Variant("ontem"),
                          Variant(int32_t{40000})};
  for (size_t i = 0; i < std::size(stored); ++i) {
    EXPECT_EQ(ToVariant(stored[i].first, stored[i].second), read[i]) << i;
  }
}

}  // namespace
}  // namespace pellora::sqlite
