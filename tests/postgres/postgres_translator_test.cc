// What the PostgreSQL translation does beyond the shapes both engines share: numbered
// parameters, declared types and the errors it raises.
#include "platform/postgres/postgres_translator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/error.h"
#include "tests/tsql/tsql_fake_schema.h"

namespace pellora::postgres {
namespace {

using tsql::Step;

class PostgresTranslatorTest : public ::testing::Test {
 protected:
  std::vector<Step> Translate(const std::string& tsql) { return TranslateBatch(tsql, schema_); }

  void ExpectFailure(const std::string& tsql, const std::string& construct) {
    try {
      Translate(tsql);
      ADD_FAILURE() << "no error for " << tsql;
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), kDatabaseError);
      EXPECT_EQ(error.source(), "PostgreSQL");
      EXPECT_NE(error.description().find(construct), std::string::npos) << error.description();
    }
  }

  tsql::FakeSchema schema_;
};

TEST_F(PostgresTranslatorTest, VariablesAreNumberedInTheOrderEachTextFirstReadsThem) {
  std::vector<Step> steps = Translate(
      "DECLARE @A int, @T nvarchar(10) UPDATE t SET a = @B + @A, b = @t WHERE c = @b "
      "SELECT @A = MAX(x) FROM t WHERE y = @T");
  ASSERT_EQ(steps.size(), 4u);
  EXPECT_EQ(steps[0].variable_type, "int");
  EXPECT_EQ(steps[1].variable_type, "nvarchar(10)");
  // @B is not declared in the batch: its type is left to the server.
  EXPECT_EQ(steps[2].sql,
            "UPDATE t SET a = $1 + CAST($2 AS integer), b = CAST($3 AS varchar(10)) WHERE c = $1");
  EXPECT_EQ(steps[2].parameters, (std::vector<std::string>{"@B", "@A", "@T"}));
  EXPECT_EQ(steps[3].sql, "SELECT MAX(x) FROM t WHERE y = CAST($1 AS varchar(10))");
  EXPECT_EQ(steps[3].parameters, (std::vector<std::string>{"@T"}));
}

TEST_F(PostgresTranslatorTest, LikeInsideASubqueryIsCaseBlindToo) {
  std::vector<Step> steps = Translate(
      "DELETE FROM DOCGCLIN WHERE ARTIGO IN (SELECT CODIGO FROM ARTIGOS WHERE NOME like 'a%')");
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].sql,
            "DELETE FROM DOCGCLIN WHERE ARTIGO IN (SELECT CODIGO FROM ARTIGOS WHERE NOME COLLATE "
            "\"und-x-icu\" ILIKE 'a%')");
}

TEST_F(PostgresTranslatorTest, ResultColumnsKeepTheNamesAndTypesSqlServerReports) {
  std::vector<Step> steps = Translate(
      "SELECT ISNULL(AR.ULTPRCOM, 0), AR.CODIGO + N'-' + AR.UNEMB AS [Código Emb], AR.[NOME], "
      "AR.STDISP Stock, 'x' AS 'Texto' FROM ARTIGOS AS AR");
  ASSERT_EQ(steps.size(), 1u);
  // PostgreSQL would name them ?column?, código emb, nome, stock and texto.
  EXPECT_EQ(steps[0].column_names,
            (std::vector<std::string>{"", "Código Emb", "NOME", "Stock", "Texto"}));
  ASSERT_EQ(steps[0].columns.size(), 5u);
  EXPECT_EQ(steps[0].columns[0].ado_type, adCurrency);
  EXPECT_EQ(steps[0].columns[1].ado_type, adVarWChar);
  EXPECT_EQ(steps[0].columns[1].defined_size, 36);
  EXPECT_TRUE(Translate("SELECT AR.*, 1 FROM ARTIGOS AR")[0].column_names.empty());
}

TEST_F(PostgresTranslatorTest, ConstructsItCannotRunFailAsPostgresqlNamingThem) {
  ExpectFailure("IF (@QTT=0) UPDATE t SET a = 1", "IF sem bloco BEGIN");
  ExpectFailure("SELECT CONVERT(varchar(10), d, 103) FROM t", "estilo 103");
  ExpectFailure("SELECT TOP 10 PERCENT a FROM t", "PERCENT");
  ExpectFailure("DECLARE @x sql_variant SELECT @x = 1 UPDATE t SET a = @x", "sql_variant");
  ExpectFailure("SELECT 'x", "plicas sem fim");
}

}  // namespace
}  // namespace pellora::postgres
