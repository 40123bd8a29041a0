#include "platform/sqlite/tsql_translator.h"

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "runtime/error.h"
#include "tests/platform/tsql_fake_schema.h"

namespace pellora::sqlite {
namespace {

using Kind = Step::Kind;

class TsqlTranslatorTest : public ::testing::Test {
 protected:
  std::vector<Step> Translate(const std::string& tsql) { return TranslateBatch(tsql, schema_); }

  // The SQLite text of a batch of one statement.
  std::string Sql(const std::string& tsql) {
    std::vector<Step> steps = Translate(tsql);
    EXPECT_EQ(steps.size(), 1u);
    return steps.empty() ? "" : steps[0].sql;
  }

  void ExpectFailure(const std::string& tsql, const std::string& construct) {
    try {
      Translate(tsql);
      ADD_FAILURE() << "no error for " << tsql;
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), kDatabaseError);
      EXPECT_EQ(error.source(), "SQLite");
      EXPECT_NE(error.description().find(construct), std::string::npos) << error.description();
    }
  }

  FakeSchema schema_;
};

TEST_F(TsqlTranslatorTest, ReadingSetChooserJoinsTextsAndCutsConversions) {
  std::string sql = Sql(Lines({
      "SELECT      DISTINCT",
      "LT.[TerminalId] +'|'+LT.[DataSync]     AS Id",
      ",LT.[TerminalId]                        AS Terminal",
      ",SUBSTRING(LT.[DataSync],7,2) +'-'+",
      "SUBSTRING(LT.[DataSync],11, 2)         As Leitura",
      ",CASE",
      "WHEN LT.[Tpterc]=1 THEN FO.[NOME]",
      "Else ''",
      "END                                    As Nome",
      ",CASE",
      "WHEN LT.[TpDoc]='' THEN ''",
      "ELSE LT.[TpDoc] + '-' +",
      "CONVERT(NVARCHAR(8),LT.[Numero]) + '-' +",
      "CONVERT(NVARCHAR(4),LT.[Ano])",
      "END                                    As [Doc. Origem]",
      "FROM      [oru_ARM_Picking_Movimentos] AS LT",
      "LEFT OUTER JOIN FORNEC AS FO",
      "ON FO.CODIGO = LT.Terceiro",
      "WHERE     (LT.[Estado]=0) AND (LT.[TipoMov] ='E') AND (LT.[Tpterc] is null or "
      "LT.[Tpterc] =1) AND",
      "(COALESCE(LT.Dest_TpDoc,'')='') AND (COALESCE(LT.Dest_Serie,'')='')",
      "ORDER BY  Leitura",
  }));
  EXPECT_EQ(sql,
            "SELECT DISTINCT LT.\"TerminalId\" ||'|'||LT.\"DataSync\" AS Id ,LT.\"TerminalId\" "
            "AS Terminal ,substr(LT.\"DataSync\", 7, 2) ||'-'|| substr(LT.\"DataSync\", 11, 2) As "
            "Leitura ,CASE WHEN LT.\"Tpterc\"=1 THEN FO.\"NOME\" Else '' END As Nome ,CASE WHEN "
            "LT.\"TpDoc\"='' THEN '' ELSE LT.\"TpDoc\" || '-' || substr(CAST(LT.\"Numero\" AS "
            "TEXT), 1, 8) || '-' || substr(CAST(LT.\"Ano\" AS TEXT), 1, 4) END As \"Doc. Origem\" "
            "FROM \"oru_ARM_Picking_Movimentos\" AS LT LEFT OUTER JOIN FORNEC AS FO ON FO.CODIGO = "
            "LT.Terceiro WHERE (LT.\"Estado\"=0) AND (LT.\"TipoMov\" ='E') AND (LT.\"Tpterc\" is "
            "null or LT.\"Tpterc\" =1) AND (COALESCE(LT.Dest_TpDoc,'')='') AND "
            "(COALESCE(LT.Dest_Serie,'')='') ORDER BY Leitura");
}

TEST_F(TsqlTranslatorTest, PlusAddsNumbersAndJoinsTextsByOperandType) {
  EXPECT_EQ(Sql("SELECT MO.Numero + 1 + MO.Ano AS n FROM oru_ARM_Picking_Movimentos AS MO"),
            "SELECT MO.Numero + 1 + MO.Ano AS n FROM oru_ARM_Picking_Movimentos AS MO");
  EXPECT_EQ(Sql("SELECT -MO.Quantidade + (MO.Artigo + N'x') FROM oru_ARM_Picking_Movimentos MO"),
            "SELECT -MO.Quantidade + (MO.Artigo || 'x') FROM oru_ARM_Picking_Movimentos MO");
  // The text converted to a number, as SQL Server's precedence rules say.
  EXPECT_EQ(Sql("SELECT '1' + Numero FROM oru_ARM_Picking_Movimentos"),
            "SELECT '1' + Numero FROM oru_ARM_Picking_Movimentos");
  // A column of a table the schema does not know joins with a text.
  EXPECT_EQ(Sql("UPDATE X SET a = b + 'z' WHERE c = d + 1"),
            "UPDATE X SET a = b || 'z' WHERE c = d + 1");
}

TEST_F(TsqlTranslatorTest, ChainsMixingPlusAndMinusKeepTheirTypeFromLeftToRight) {
  // Once a `-` makes the chain a number, a later `+` adds: SQL Server converts the texts.
  EXPECT_EQ(Sql("SELECT MO.Artigo + 'x' - MO.Numero + N'y' + MO.Artigo FROM "
                "oru_ARM_Picking_Movimentos MO"),
            "SELECT MO.Artigo || 'x' - MO.Numero + 'y' + MO.Artigo FROM "
            "oru_ARM_Picking_Movimentos MO");
  EXPECT_EQ(Sql("SELECT MO.Artigo + 'x' + CASE WHEN MO.Ano = 1 THEN MO.Artigo END + MO.Serie "
                "FROM oru_ARM_Picking_Movimentos MO"),
            "SELECT MO.Artigo || 'x' || CASE WHEN MO.Ano = 1 THEN MO.Artigo END || MO.Serie FROM "
            "oru_ARM_Picking_Movimentos MO");
}

TEST_F(TsqlTranslatorTest, LongChainsAreTypedOnceNotAgainAtEveryPlus) {
  // Only the first `+` joins texts: past the `- 1` the chain is a number.
  std::string tsql = "SELECT MO.Artigo + 'x' - 1 + MO.Artigo";
  std::string sqlite = "SELECT MO.Artigo || 'x' - 1 + MO.Artigo";
  for (int i = 1; i < 5000; ++i) {
    tsql += " + 'x' - 1 + MO.Artigo";
    sqlite += " + 'x' - 1 + MO.Artigo";
  }
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Sql(tsql + " FROM oru_ARM_Picking_Movimentos MO"),
            sqlite + " FROM oru_ARM_Picking_Movimentos MO");
  // Typing each chain again from its start took minutes here.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(TsqlTranslatorTest, StockMovementWindowComparesTheDateAsText) {
  std::string sql = Sql(Lines({
      " SELECT ",
      "         SUM(CASE ",
      "                 WHEN DOCGCCAB.TPFSTC=2 THEN -DOCGCLIN.QUANT ",
      "                 ELSE                         DOCGCLIN.QUANT ",
      "              END)        AS ENTRADASSAIDAS ",
      " FROM    DOCGCCAB ",
      "              INNER JOIN DOCGCLIN ",
      "                 ON DOCGCCAB.NNUMDOC = DOCGCLIN.NNUMDOC ",
      " WHERE   (DOCGCCAB.NVIAS <> - 1) AND ",
      "(REPLACE(convert(varchar(10),docgccab.DateUpd,120),'-','')+docgccab.HourUpd "
      ">='2022010110:00:00') ",
      "           ",
  }));
  EXPECT_EQ(sql,
            "SELECT SUM(CASE WHEN DOCGCCAB.TPFSTC=2 THEN -DOCGCLIN.QUANT ELSE DOCGCLIN.QUANT END) "
            "AS ENTRADASSAIDAS FROM DOCGCCAB INNER JOIN DOCGCLIN ON DOCGCCAB.NNUMDOC = "
            "DOCGCLIN.NNUMDOC WHERE (DOCGCCAB.NVIAS <> - 1) AND "
            "(REPLACE(substr(strftime('%Y-%m-%d %H:%M:%S', docgccab.DateUpd), 1, 10),'-','')"
            "||docgccab.HourUpd >='2022010110:00:00')");
}

TEST_F(TsqlTranslatorTest, FunctionsTakeTheirSqliteForms) {
  EXPECT_EQ(Sql("SELECT ISNULL(AM.[EXISTENC],0) AS StockArm FROM ARTARM AS AM"),
            "SELECT ifnull(AM.\"EXISTENC\", 0) AS StockArm FROM ARTARM AS AM");
  // A start below 1 takes its characters off the length.
  EXPECT_EQ(Sql("SELECT SUBSTRING(x,0,2), SUBSTRING(x,-3,2)"),
            "SELECT substr(x, 1, 1), substr(x, max(-3, 1), max((-3) + (2) - max(-3, 1), 0))");
  EXPECT_EQ(Sql("SELECT CONVERT(varchar, n), CONVERT(nvarchar(19), d, 120)"),
            "SELECT substr(CAST(n AS TEXT), 1, 30), substr(strftime('%Y-%m-%d %H:%M:%S', d), 1, "
            "19)");
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

TEST_F(TsqlTranslatorTest, TopBecomesLimitAtTheEndOfItsSelect) {
  EXPECT_EQ(Sql(Lines({"SELECT TOP(1) * FROM oru_PARAMETROSEXP "})),
            "SELECT * FROM oru_PARAMETROSEXP LIMIT 1");
  EXPECT_EQ(Sql("SELECT DISTINCT TOP 5 a FROM t ORDER BY a"),
            "SELECT DISTINCT a FROM t ORDER BY a LIMIT 5");
  EXPECT_EQ(Sql("DELETE FROM t WHERE id IN (SELECT TOP (2) id FROM t)"),
            "DELETE FROM t WHERE id IN (SELECT id FROM t LIMIT 2)");
}

TEST_F(TsqlTranslatorTest, TableExistenceQueryReadsTheSqliteCatalogue) {
  EXPECT_EQ(Sql(Lines({"SELECT * FROM sys.objects WHERE object_id = "
                       "OBJECT_ID(N'[dbo].[oru_PARAMETROSEXP]') AND type in (N'U')"})),
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name = "
            "'oru_PARAMETROSEXP' COLLATE NOCASE");
}

TEST_F(TsqlTranslatorTest, ParametersTableIsCreatedWithItsSqlServerTypes) {
  std::string sql = Sql(Lines({
      "CREATE TABLE [oru_PARAMETROSEXP]",
      " (   ",
      "    [ID]                     [int] IDENTITY(1,1) NOT NULL, ",
      "    [LBXFORNBRAGA]           [nvarchar](15)      NOT NULL, ",
      "    [TRANSFSEC]              [nvarchar](3)       NOT NULL, ",
      " CONSTRAINT [PK_oru_PARAMETROSEXP] PRIMARY KEY CLUSTERED ",
      "     ( ",
      "         [ID] Asc ",
      "     )WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, "
      "ALLOW_ROW_LOCKS  = ON, ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY] ",
      " ) ON [PRIMARY] ",
  }));
  EXPECT_EQ(sql,
            "CREATE TABLE \"oru_PARAMETROSEXP\" (\"ID\" INTEGER PRIMARY KEY AUTOINCREMENT NOT "
            "NULL, \"LBXFORNBRAGA\" nvarchar(15) NOT NULL COLLATE pellora_ci, \"TRANSFSEC\" "
            "nvarchar(3) NOT NULL COLLATE pellora_ci)");
  EXPECT_EQ(Sql("CREATE TABLE t (a int NOT NULL, b float, CONSTRAINT [PK_t] PRIMARY KEY "
                "NONCLUSTERED (a ASC) WITH (PAD_INDEX = OFF))"),
            "CREATE TABLE \"t\" (\"a\" int NOT NULL, \"b\" float, CONSTRAINT \"PK_t\" PRIMARY KEY "
            "(a ASC))");
}

TEST_F(TsqlTranslatorTest, SeriesUpgradeBatchGivesOneColumnChangePerStatement) {
  const char* columns[] = {"LBXENCFORSER", "LBXCOMFORSER", "LBXSERIEPART",
                           "BRGENCCLISER", "BRGSERIEPART", "INVENTSER",
                           "QUEBRASER",    "SOBRASER",     "TRANSFSER"};
  std::string batch;
  for (const char* column : columns) {
    if (!batch.empty()) batch += Lines({";   "});
    batch += Lines({"ALTER TABLE oru_PARAMETROSEXP   ",
                    std::string("ALTER COLUMN [") + column + "] [nvarchar](10) NOT NULL   "});
  }
  std::vector<Step> steps = Translate(batch);
  ASSERT_EQ(steps.size(), 9u);
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].kind, Kind::kAlterColumn);
    EXPECT_EQ(steps[i].table, "oru_PARAMETROSEXP");
    EXPECT_EQ(steps[i].column, columns[i]);
    EXPECT_EQ(steps[i].column_type, "nvarchar(10) NOT NULL");
  }
}

TEST_F(TsqlTranslatorTest, OrderLineSettlementRunsThreeUpdates) {
  std::vector<Step> steps = Translate(Lines({
      "UPDATE   DOCGCLIN  ",
      "SET      QUANT = 2.5  ",
      "WHERE    TPDOCUM='ECL' AND NNUMDOC=7 AND SERIE ='A' AND ANO =2022 AND NUMLINHA =3 ",
      ";  ",
      "UPDATE   ARTIGOS  ",
      "SET      TOTENCCL = TOTENCCL - 1.5  ",
      "WHERE    CODIGO='A1' ",
      ";  ",
      "UPDATE   ARTARM  ",
      "SET      ARMENCCL = ARMENCCL - 1.5  ",
      "WHERE    ARTIGO='A1' AND ARMAZEM='A1'",
  }));
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].sql,
            "UPDATE DOCGCLIN SET QUANT = 2.5 WHERE TPDOCUM='ECL' AND NNUMDOC=7 AND SERIE ='A' AND "
            "ANO =2022 AND NUMLINHA =3");
  EXPECT_EQ(steps[1].sql, "UPDATE ARTIGOS SET TOTENCCL = TOTENCCL - 1.5 WHERE CODIGO='A1'");
  EXPECT_EQ(steps[2].sql,
            "UPDATE ARTARM SET ARMENCCL = ARMENCCL - 1.5 WHERE ARTIGO='A1' AND ARMAZEM='A1'");
}

TEST_F(TsqlTranslatorTest, OrderClosingCheckUsesAVariableAndAConditionalBlock) {
  const std::string blanks(33, ' ');
  std::vector<Step> steps = Translate(Lines({
      "DECLARE   @QTT FLOAT             ",
      blanks,
      "SELECT    @QTT=SUM(QUANT)        ",
      "FROM      DOCGCLIN               ",
      "WHERE     TPDOCUM='ECL' AND NNUMDOC=7 AND SERIE ='A' AND ANO =2022 ",
      blanks,
      "SELECT    @QTT=COALESCE(@QTT,0)  ",
      blanks,
      "IF (@QTT=0)                      ",
      "BEGIN                            ",
      " UPDATE  DOCGCCAB                ",
      " SET [CONVERT] = -1              ",
      "WHERE    TPDOC ='ECL' AND SERIE ='A' AND ANO =2022 AND NNUMDOC=7 ",
      "END                              ",
      blanks,
  }));
  ASSERT_EQ(steps.size(), 4u);
  EXPECT_EQ(steps[0].kind, Kind::kDeclare);
  EXPECT_EQ(steps[0].variable, "@QTT");
  EXPECT_EQ(steps[1].kind, Kind::kSetVariable);
  EXPECT_EQ(steps[1].variable, "@QTT");
  EXPECT_EQ(steps[1].sql,
            "SELECT SUM(QUANT) FROM DOCGCLIN WHERE TPDOCUM='ECL' AND NNUMDOC=7 AND SERIE ='A' AND "
            "ANO =2022");
  EXPECT_EQ(steps[2].kind, Kind::kSetVariable);
  EXPECT_EQ(steps[2].sql, "SELECT COALESCE(@QTT,0)");
  EXPECT_EQ(steps[3].kind, Kind::kIf);
  EXPECT_EQ(steps[3].sql, "SELECT (@QTT=0)");
  ASSERT_EQ(steps[3].body.size(), 1u);
  EXPECT_EQ(steps[3].body[0].sql,
            "UPDATE DOCGCCAB SET \"CONVERT\" = -1 WHERE TPDOC ='ECL' AND SERIE ='A' AND ANO =2022 "
            "AND NNUMDOC=7");
}

TEST_F(TsqlTranslatorTest, StatementsWithoutSeparatorsSplitAtTheirKeywords) {
  std::vector<Step> steps = Translate(
      "UPDATE t SET a = (SELECT MAX(b) FROM u) WHERE c IN (SELECT c FROM v) "
      "SELECT CASE WHEN a = 1 THEN 'x' END FROM t DELETE FROM t");
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].sql, "UPDATE t SET a = (SELECT MAX(b) FROM u) WHERE c IN (SELECT c FROM v)");
  EXPECT_EQ(steps[1].sql, "SELECT CASE WHEN a = 1 THEN 'x' END FROM t");
  EXPECT_EQ(steps[2].sql, "DELETE FROM t");
  EXPECT_TRUE(Translate(Lines({"   ", ";   ", ""})).empty());
}

TEST_F(TsqlTranslatorTest, DigitalArchiveStatements) {
  EXPECT_EQ(Sql("UPDATE    oru_ArquivoDigital Set oru_ArquivoDigital_Titulo = N'Ficha ' Where "
                "(oru_ArquivoDigital_Id =4)"),
            "UPDATE oru_ArquivoDigital Set oru_ArquivoDigital_Titulo = 'Ficha ' Where "
            "(oru_ArquivoDigital_Id =4)");
  EXPECT_EQ(Sql(" DELETE FROM [oru_ARTIGOS_FICHATECNICA] WHERE ( [ID]=9)"),
            "DELETE FROM \"oru_ARTIGOS_FICHATECNICA\" WHERE ( \"ID\"=9)");
  EXPECT_EQ(Sql("SELECT [ID],[ARTIGO],[IDIOMA] FROM [oru_ARTIGOS_FICHATECNICA] WHERE [ID]=0"),
            "SELECT \"ID\",\"ARTIGO\",\"IDIOMA\" FROM \"oru_ARTIGOS_FICHATECNICA\" WHERE \"ID\"=0");
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

}  // namespace
}  // namespace pellora::sqlite
