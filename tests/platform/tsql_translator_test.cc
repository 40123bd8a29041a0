#include "platform/sqlite/tsql_translator.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/error.h"
#include "tests/tsql/tsql_shape_cases.h"

namespace pellora::sqlite {
namespace {

using Type = std::pair<int, long>;  // which GoogleTest compares and prints

const std::string kReadingJoin =
    " FROM  [oru_ARM_Picking_Movimentos] AS MO "
    "        LEFT OUTER JOIN [ARTARM] AS AM "
    "            ON AM.ARMAZEM = MO.Armazem AND AM.ARTIGO = MO.Artigo "
    "        LEFT OUTER JOIN [ARTIGOS] AS AR "
    "            ON AR.CODIGO = MO.Artigo "
    " WHERE TerminalId='T1' AND DataSync='20220101' AND Estado = 0 ";

class TsqlTranslatorTest : public ::testing::Test {
 protected:
  std::vector<Step> Translate(const std::string& tsql) { return TranslateBatch(tsql, schema_); }

  // The one step of a batch of one statement.
  Step OneStep(const std::string& tsql) {
    std::vector<Step> steps = Translate(tsql);
    EXPECT_EQ(steps.size(), 1u);
    return steps.empty() ? Step() : steps[0];
  }
  std::string Sql(const std::string& tsql) { return OneStep(tsql).sql; }
  // The column types, as (ADO type, defined size).
  std::vector<Type> Columns(const std::string& tsql) {
    std::vector<Type> types;
    for (const ColumnType& column : OneStep(tsql).columns)
      types.emplace_back(column.ado_type, column.defined_size);
    return types;
  }

  void ExpectFailure(const std::string& tsql, const std::string& construct) {
    try {
      Translate(tsql);
      ADD_FAILURE() << "no error for " << tsql;
    } catch (const Error& error) {
      EXPECT_EQ(std::to_string(error.number()) + " " + error.source(),
                std::to_string(kDatabaseError) + " SQLite");
      EXPECT_NE(error.description().find(construct), std::string::npos) << error.description();
    }
  }

  tsql::FakeSchema schema_;
};

// Statements of one step each: the T-SQL the system sends and the SQLite text it runs.
TEST_F(TsqlTranslatorTest, EachStatementTakesItsSqliteForm) {
  const struct {
    std::string tsql, sqlite;
  } cases[] = {
      // `+` adds numbers and joins texts, by the type of its operands.
      {"SELECT -MO.Quantidade + (MO.Artigo + N'x') FROM oru_ARM_Picking_Movimentos MO",
       "SELECT -MO.Quantidade + (MO.Artigo || 'x') FROM oru_ARM_Picking_Movimentos MO"},
      // The text converted to a number, as SQL Server's precedence rules say.
      {"SELECT '1' + Numero FROM oru_ARM_Picking_Movimentos",
       "SELECT '1' + Numero FROM oru_ARM_Picking_Movimentos"},
      // A column of a table the schema does not know joins with a text.
      {"UPDATE X SET a = b + 'z' WHERE c = d + 1", "UPDATE X SET a = b || 'z' WHERE c = d + 1"},
      // Once a `-` makes the chain a number, a later `+` adds: SQL Server converts the texts.
      {"SELECT MO.Artigo + 'x' - MO.Numero + N'y' + MO.Artigo FROM oru_ARM_Picking_Movimentos MO",
       "SELECT MO.Artigo || 'x' - MO.Numero + 'y' + MO.Artigo FROM oru_ARM_Picking_Movimentos MO"},
      {"SELECT MO.Artigo + 'x' + CASE WHEN MO.Ano = 1 THEN MO.Artigo END + MO.Serie "
       "FROM oru_ARM_Picking_Movimentos MO",
       "SELECT MO.Artigo || 'x' || CASE WHEN MO.Ano = 1 THEN MO.Artigo END || MO.Serie FROM "
       "oru_ARM_Picking_Movimentos MO"},
      // A start below 1 takes its characters off the length.
      {"SELECT SUBSTRING(x,0,2), SUBSTRING(x,-3,2)",
       "SELECT substr(x, 1, 1), substr(x, max(-3, 1), max((-3) + (2) - max(-3, 1), 0))"},
      // TOP becomes LIMIT at the end of its own SELECT.
      {"SELECT DISTINCT TOP 5 a FROM t ORDER BY a", "SELECT DISTINCT a FROM t ORDER BY a LIMIT 5"},
      {"DELETE FROM t WHERE id IN (SELECT TOP (2) id FROM t)",
       "DELETE FROM t WHERE id IN (SELECT id FROM t LIMIT 2)"},
      // A named constraint of a table keeps its name.
      {"CREATE TABLE t (a int NOT NULL, b float, CONSTRAINT [PK_t] PRIMARY KEY "
       "NONCLUSTERED (a ASC) WITH (PAD_INDEX = OFF))",
       "CREATE TABLE \"t\" (\"a\" int NOT NULL, \"b\" float, CONSTRAINT \"PK_t\" PRIMARY KEY "
       "(a ASC))"},
  };
  for (const auto& given : cases) EXPECT_EQ(Sql(given.tsql), given.sqlite) << given.tsql;
}

TEST_F(TsqlTranslatorTest, LongChainsAreTypedOnceNotAgainAtEveryPlus) {
  // Only the first `+` joins texts: past the `- 1` the chain is a number.
  std::string chain;
  for (int i = 1; i < 20000; ++i) chain += " + 'x' - 1 + MO.Artigo";
  // Typing each chain again from its start took minutes here, past the suite's time limit.
  EXPECT_EQ(
      Sql("SELECT MO.Artigo + 'x' - 1 + MO.Artigo" + chain + " FROM oru_ARM_Picking_Movimentos MO"),
      "SELECT MO.Artigo || 'x' - 1 + MO.Artigo" + chain + " FROM oru_ARM_Picking_Movimentos MO");
}

TEST_F(TsqlTranslatorTest, NumbersPastTheIntRangeInFunctionArgumentsAreNoCrash) {
  // A start too large for an int is left to SQLite to compute, as any other expression.
  EXPECT_EQ(Sql("SELECT SUBSTRING(x, 99999999999999999999, 2)"),
            "SELECT substr(x, max(99999999999999999999, 1), max((99999999999999999999) + (2) - "
            "max(99999999999999999999, 1), 0))");
  ExpectFailure("SELECT CONVERT(NVARCHAR(33333333333333333333), DateUpd, 120) FROM DOCGCCAB",
                "O tamanho 33333333333333333333 de NVARCHAR");
  ExpectFailure("SELECT CONVERT(nvarchar(1.5), n)", "O tamanho 1.5 de nvarchar");
}

TEST_F(TsqlTranslatorTest, StatementsWithoutSeparatorsSplitAtTheirKeywords) {
  std::vector<Step> steps = Translate(
      "UPDATE t SET a = (SELECT MAX(b) FROM u) WHERE c IN (SELECT c FROM v) "
      "SELECT CASE WHEN a = 1 THEN 'x' END FROM t DELETE FROM t");
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].sql, "UPDATE t SET a = (SELECT MAX(b) FROM u) WHERE c IN (SELECT c FROM v)");
  EXPECT_EQ(steps[1].sql, "SELECT CASE WHEN a = 1 THEN 'x' END FROM t");
  EXPECT_EQ(steps[2].sql, "DELETE FROM t");
  EXPECT_TRUE(Translate(tsql::Lines({"   ", ";   ", ""})).empty());
}

TEST_F(TsqlTranslatorTest, ConstructsSqliteCannotRunFailNamingThem) {
  ExpectFailure("IF (@QTT=0) UPDATE t SET a = 1", "IF sem bloco BEGIN");
  ExpectFailure("IF (1=1) BEGIN DELETE FROM t END ELSE BEGIN DELETE FROM u END", "ELSE");
  ExpectFailure("SELECT CONVERT(varchar(10), d, 103) FROM t", "estilo 103");
  ExpectFailure("SELECT CONVERT(int, x) FROM t", "CONVERT para o tipo int");
  ExpectFailure("SELECT TOP 10 PERCENT a FROM t", "PERCENT");
  ExpectFailure("BEGIN DELETE FROM t", "BEGIN sem END");
  ExpectFailure("SELECT * FROM sys.objects WHERE name = 'x'", "sys.objects");
}

TEST_F(TsqlTranslatorTest, TextNestedTooDeeplyFailsInsteadOfExhaustingTheStack) {
  auto nested = [](int depth) {
    return "SELECT " + std::string(depth, '(') + "1" + std::string(depth, ')');
  };
  EXPECT_EQ(Sql(nested(100)), nested(100));
  ExpectFailure(nested(101), "encaixados a mais de 100");
  ExpectFailure(nested(100000), "encaixados a mais de 100");
}

TEST_F(TsqlTranslatorTest, DocumentLoaderKeepsTextsAndNumbersApart) {
  const std::vector<Type> expected = {{adVarWChar, 20}, {adVarWChar, 3},  {adInteger, 4},
                                      {adInteger, 4},   {adVarWChar, 60}, {adDouble, 8},
                                      {adDouble, 8},    {adDouble, 8},    {adCurrency, 8},
                                      {adVarWChar, 5},  {adInteger, 4}};
  EXPECT_EQ(Columns("SELECT MO.[TerminalId], COALESCE(MO.[TpDoc],'') AS DocOrigTipo, "
                    "COALESCE(MO.[Numero],0) AS DocOrigNumero, COALESCE(MO.[Ano],0) AS DocOrigAno, "
                    "AR.[NOME] AS ArtNome, MO.[Quantidade] AS EntMaisSaidas, MO.[PrecoUnitario] "
                    "AS PrecoUnitario, ISNULL(AM.[EXISTENC],0) AS StockArm, ISNULL(AR.[ULTPRCOM],"
                    "0) AS UltPrCom, AR.[UNEMB] AS UnEmbalagem, MO.[Ordenaca]" +
                    kReadingJoin + "ORDER BY  MO.[NumeroLinha] "),
            expected);
}

// Each select item over the readings' join and the type SQL Server gives it: aggregates keep or
// widen their argument's type, NULL replacements and CASE take the highest type, texts their
// length.
TEST_F(TsqlTranslatorTest, EachExpressionTakesTheServersType) {
  const struct {
    const char* select_item;
    Type type;
  } cases[] = {
      {"MAX(MO.[TerminalId]) AS TerminalId", {adVarWChar, 20}},
      {"MAX(MO.[Tpterc] ) AS TpTerc", {adInteger, 4}},
      {"SUM(MO.[Ano]) AS s", {adInteger, 4}},
      {"ISNULL(MO.[PrecoUnitario],0) AS PrecoUnitario", {adDouble, 8}},
      {"ISNULL(MO.[Numero], 1.5) AS n", {adInteger, 4}},
      {"ISNULL(NULL, N'abc') AS n", {adVarWChar, 3}},
      {"COALESCE(MO.[Ano], MO.[Quantidade], 0) AS n", {adDouble, 8}},
      {"MO.[TerminalId] +'|'+MO.[DataSync] AS Id", {adVarWChar, 35}},
      {"CONVERT(NVARCHAR(8),MO.[Numero]) AS n", {adVarWChar, 8}},
      {"CONVERT(varchar(10),MO.[Data],120) AS n", {adVarChar, 10}},
      {"SUBSTRING(MO.[DataSync],7,2) AS n", {adVarWChar, 14}},
      {"REPLACE(MO.[Artigo],'-','') AS n", {adVarWChar, 30}},
      {"'abc' AS n", {adVarChar, 3}},
      {"N'ção' AS n", {adVarWChar, 3}},
      {"12 AS n", {adInteger, 4}},
      {"-MO.[Ano] AS n", {adSmallInt, 2}},
      {"CASE WHEN MO.[Tpterc]=1 THEN AR.[NOME] ELSE '' END As Nome", {adVarWChar, 60}},
      {"SUM(CASE WHEN MO.Tpterc=2 THEN -MO.Quantidade ELSE MO.Quantidade END) AS E", {adDouble, 8}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Columns("SELECT " + std::string(c.select_item) + kReadingJoin),
              std::vector<Type>{c.type})
        << c.select_item;
  }
}

TEST_F(TsqlTranslatorTest, UnknownColumnsAndStarsLeaveTheTypeToTheBackend) {
  EXPECT_TRUE(Columns("SELECT * FROM ARTIGOS").empty());
  EXPECT_TRUE(Columns("SELECT AR.CODIGO, AR.* FROM ARTIGOS AS AR").empty());
  EXPECT_EQ(Columns("SELECT Missing, @v, (SELECT 1) AS s, AD.oru_ArquivoDigital_Id AS Numero "
                    "FROM oru_ArquivoDigital AS AD"),
            (std::vector<Type>{{0, 0}, {0, 0}, {0, 0}, {adInteger, 4}}));
  EXPECT_TRUE(Columns("UPDATE ARTIGOS SET NOME = 'x'").empty());
}

// The statement shapes both engines share, in SQLite's spelling.
class SqliteShapesTest : public ::testing::TestWithParam<tsql::ShapeCase> {};

TEST_P(SqliteShapesTest, GivesSqliteSteps) {
  EXPECT_EQ(tsql::DescribeSteps(TranslateBatch(GetParam().tsql, tsql::FakeSchema())),
            GetParam().sqlite);
}

INSTANTIATE_TEST_SUITE_P(Shapes, SqliteShapesTest, ::testing::ValuesIn(tsql::ShapeCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace pellora::sqlite
