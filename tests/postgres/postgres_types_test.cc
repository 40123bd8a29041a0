// SQL Server types as PostgreSQL declares them, lengths and precisions as written or defaulted.
#include "platform/postgres/postgres_types.h"

#include <gtest/gtest.h>

namespace pellora::postgres {
namespace {

TEST(PostgresTypesTest, LengthsAreKeptAndMissingOnesTakeSqlServersDefaults) {
  EXPECT_EQ(PostgresType("NVARCHAR", "NVARCHAR (10)"), "varchar(10)");
  EXPECT_EQ(PostgresType("nvarchar", "nvarchar(MAX)"), "text");
  EXPECT_EQ(PostgresType("nchar", "nchar"), "char(1)");
  EXPECT_EQ(PostgresType("decimal", "decimal(10, 2)"), "numeric(10,2)");
  EXPECT_EQ(PostgresType("numeric", "numeric"), "numeric(18,0)");
}

TEST(PostgresTypesTest, MoneyKeepsFourDecimalsWhateverFollowsTheName) {
  EXPECT_EQ(PostgresType("money", "money"), "numeric(19,4)");
  EXPECT_EQ(PostgresType("FLOAT", "FLOAT(53)"), "double precision");
  EXPECT_EQ(PostgresType("bit", "bit"), "smallint");
}

TEST(PostgresTypesTest, NamesFoldOnlyAsciiLetters) {
  EXPECT_EQ(FoldedName("Código_Emb"), "código_emb");
}

}  // namespace
}  // namespace pellora::postgres
