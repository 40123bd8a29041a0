#include <gtest/gtest.h>

#include "platform/sqlite/sql_value.h"
#include "platform/tsql/tsql_declared_types.h"
#include "runtime/date.h"

namespace pellora::sqlite {

using tsql::ColumnType;
using tsql::ColumnTypeFromDeclared;
using tsql::kLongTextSize;
using tsql::kLongUnicodeSize;
namespace {

TEST(SqliteDeclaredTypesTest, ReportsTheTypesOfTheServer) {
  struct Case {
    const char* declared;
    int ado_type;
    long size;
  };
  const Case cases[] = {
      {"int", adInteger, 4},
      {"INTEGER", adInteger, 4},
      {"[smallint]", adSmallInt, 2},
      {"tinyint", adUnsignedTinyInt, 1},
      {"float", adDouble, 8},
      {"money", adCurrency, 8},
      {"decimal(18,4)", adNumeric, 19},
      {"bit", adBoolean, 2},
      {"datetime", adDBTimeStamp, 16},
      {"nvarchar(15)", adVarWChar, 15},
      {"[nvarchar](10) NOT NULL", adVarWChar, 10},
      {"nchar ( 3 )", adWChar, 3},
      {"varchar(20)", adVarChar, 20},
      {"nvarchar(max)", adLongVarWChar, kLongUnicodeSize},
      {"ntext", adLongVarWChar, kLongUnicodeSize},
      {"text", adLongVarChar, kLongTextSize},
      {"varbinary(MAX)", adLongVarBinary, kLongTextSize},
      {"image", adLongVarBinary, kLongTextSize},
      {"binary(8)", adBinary, 8},
      {"varbinary(-1)", adLongVarBinary, kLongTextSize},
      {"nchar", adWChar, 1},
  };
  for (const Case& c : cases) {
    const ColumnType type = ColumnTypeFromDeclared(c.declared);
    EXPECT_EQ(type.ado_type, c.ado_type) << c.declared;
    EXPECT_EQ(type.defined_size, c.size) << c.declared;
  }
  EXPECT_EQ(ColumnTypeFromDeclared("geometry").ado_type, adEmpty);
  EXPECT_EQ(ColumnTypeFromDeclared("").ado_type, adEmpty);
}

TEST(SqliteValuesTest, StoredValuesBecomeTheVariantOfTheFieldType) {
  EXPECT_EQ(ToVariant(int64_t{7}, adSmallInt), Variant(int16_t{7}));
  EXPECT_EQ(ToVariant(int64_t{70000}, adInteger), Variant(int32_t{70000}));
  EXPECT_EQ(ToVariant(int64_t{2}, adDouble), Variant(2.0));
  EXPECT_EQ(ToVariant(12.34567, adCurrency), Variant(Currency{123457}));
  EXPECT_EQ(ToVariant(int64_t{1}, adBoolean), Variant(true));
  EXPECT_EQ(ToVariant(int64_t{0}, adBoolean), Variant(false));
  EXPECT_EQ(ToVariant(int64_t{1}, adVarWChar), Variant("1"));
  EXPECT_EQ(ToVariant(std::string("abc"), adVarWChar), Variant("abc"));
  EXPECT_EQ(ToVariant(Bytes{1, 0, 2}, adLongVarBinary), Variant(Bytes{1, 0, 2}));
  EXPECT_TRUE(ToVariant(std::monostate(), adInteger).IsNull());
  EXPECT_TRUE(ToVariant(std::monostate(), adVarWChar).IsNull());
}

TEST(SqliteValuesTest, DatesTravelAsText) {
  const Date moment = DateFromParts({2024, 3, 9, 14, 5, 30});
  EXPECT_EQ(FromVariant(Variant(moment)), SqlValue(std::string("2024-03-09 14:05:30")));
  EXPECT_EQ(ToVariant(std::string("2024-03-09 14:05:30"), adDBTimeStamp), Variant(moment));
  EXPECT_EQ(ToVariant(std::string("2024-03-09 14:05:30.250"), adDBTimeStamp), Variant(moment));
  EXPECT_EQ(ToVariant(std::string("2024-03-09"), adDBTimeStamp),
            Variant(DateFromParts({2024, 3, 9})));
}

TEST(SqliteValuesTest, VariantsAreStoredAsSqliteKeepsThem) {
  EXPECT_EQ(FromVariant(Variant(true)), SqlValue(int64_t{1}));
  EXPECT_EQ(FromVariant(Variant(false)), SqlValue(int64_t{0}));
  EXPECT_EQ(FromVariant(Variant(Currency{125000})), SqlValue(12.5));
  EXPECT_EQ(FromVariant(Variant(int16_t{-3})), SqlValue(int64_t{-3}));
  EXPECT_EQ(FromVariant(Variant("O'Neil")), SqlValue(std::string("O'Neil")));
  EXPECT_EQ(FromVariant(Variant::Null()), SqlValue(std::monostate()));
  EXPECT_EQ(FromVariant(Variant()), SqlValue(std::monostate()));
}

TEST(SqliteValuesTest, ValuesThatDoNotFitTheTypeKeepTheirStoredForm) {
  EXPECT_EQ(ToVariant(std::string("n/d"), adInteger), Variant("n/d"));
  EXPECT_EQ(ToVariant(std::string("ontem"), adDBTimeStamp), Variant("ontem"));
  EXPECT_EQ(ToVariant(int64_t{40000}, adSmallInt), Variant(int32_t{40000}));
}

}  // namespace
}  // namespace pellora::sqlite
