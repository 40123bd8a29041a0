#include "platform/sqlite/tsql_translator.h"

#include <gtest/gtest.h>

#include <utility>

#include "tests/platform/tsql_fake_schema.h"

namespace pellora::sqlite {
namespace {

// A type as (ADO type, defined size), which GoogleTest compares and prints.
using Type = std::pair<int, long>;

const std::string kReadingJoin =
    " FROM  [oru_ARM_Picking_Movimentos] AS MO "
    "        LEFT OUTER JOIN [ARTARM] AS AM "
    "            ON AM.ARMAZEM = MO.Armazem AND AM.ARTIGO = MO.Artigo "
    "        LEFT OUTER JOIN [ARTIGOS] AS AR "
    "            ON AR.CODIGO = MO.Artigo "
    " WHERE TerminalId='T1' AND DataSync='20220101' AND Estado = 0 ";

class TsqlColumnTypesTest : public ::testing::Test {
 protected:
  std::vector<Type> Columns(const std::string& tsql) {
    std::vector<Step> steps = TranslateBatch(tsql, schema_);
    EXPECT_EQ(steps.size(), 1u);
    std::vector<Type> types;
    if (steps.empty()) return types;
    for (const ColumnType& column : steps[0].columns) {
      types.emplace_back(column.ado_type, column.defined_size);
    }
    return types;
  }

  Type Single(const std::string& select_item) {
    std::vector<Type> columns = Columns("SELECT " + select_item + kReadingJoin);
    EXPECT_EQ(columns.size(), 1u) << select_item;
    return columns.empty() ? Type{} : columns[0];
  }

  FakeSchema schema_;
};

TEST_F(TsqlColumnTypesTest, DocumentLoaderKeepsTextsAndNumbersApart) {
  std::vector<Type> columns = Columns(
      "SELECT MO.[TerminalId], COALESCE(MO.[TpDoc],'') AS DocOrigTipo, "
      "COALESCE(MO.[Numero],0) AS DocOrigNumero, COALESCE(MO.[Ano],0) AS DocOrigAno, "
      "AR.[NOME] AS ArtNome, MO.[Quantidade] AS EntMaisSaidas, MO.[PrecoUnitario] AS "
      "PrecoUnitario, ISNULL(AM.[EXISTENC],0) AS StockArm, ISNULL(AR.[ULTPRCOM],0) AS UltPrCom, "
      "AR.[UNEMB] AS UnEmbalagem, MO.[Ordenaca]" +
      kReadingJoin + "ORDER BY  MO.[NumeroLinha] ");
  std::vector<Type> expected = {{adVarWChar, 20}, {adVarWChar, 3}, {adInteger, 4}, {adInteger, 4},
                                {adVarWChar, 60}, {adDouble, 8},   {adDouble, 8},  {adDouble, 8},
                                {adCurrency, 8},  {adVarWChar, 5}, {adInteger, 4}};
  EXPECT_EQ(columns, expected);
}

TEST_F(TsqlColumnTypesTest, GroupedLoaderAggregatesKeepOrWidenTheirArgumentType) {
  EXPECT_EQ(Single("MAX(MO.[TerminalId]) AS TerminalId"), Type(adVarWChar, 20));
  EXPECT_EQ(Single("MAX(MO.[Tpterc] ) AS TpTerc"), Type(adInteger, 4));
  EXPECT_EQ(Single("MAX(AR.[ULTPRCOM]) AS UltPrCom"), Type(adCurrency, 8));
  EXPECT_EQ(Single("SUM(MO.[Quantidade]) AS Quantidade"), Type(adDouble, 8));
  EXPECT_EQ(Single("SUM(MO.[Ano]) AS s"), Type(adInteger, 4));
  EXPECT_EQ(Single("COUNT(*) AS n"), Type(adInteger, 4));
}

TEST_F(TsqlColumnTypesTest, NullReplacementsFollowSqlServerRules) {
  EXPECT_EQ(Single("ISNULL(MO.[PrecoUnitario],0) AS PrecoUnitario"), Type(adDouble, 8));
  EXPECT_EQ(Single("ISNULL(MO.[Numero], 1.5) AS n"), Type(adInteger, 4));
  EXPECT_EQ(Single("ISNULL(NULL, N'abc') AS n"), Type(adVarWChar, 3));
  EXPECT_EQ(Single("COALESCE(MO.[Ano], MO.[Quantidade], 0) AS n"), Type(adDouble, 8));
}

TEST_F(TsqlColumnTypesTest, TextExpressionsAndLiterals) {
  EXPECT_EQ(Single("MO.[TerminalId] +'|'+MO.[DataSync] AS Id"), Type(adVarWChar, 35));
  EXPECT_EQ(Single("CONVERT(NVARCHAR(8),MO.[Numero]) AS n"), Type(adVarWChar, 8));
  EXPECT_EQ(Single("CONVERT(varchar(10),MO.[Data],120) AS n"), Type(adVarChar, 10));
  EXPECT_EQ(Single("SUBSTRING(MO.[DataSync],7,2) AS n"), Type(adVarWChar, 14));
  EXPECT_EQ(Single("REPLACE(MO.[Artigo],'-','') AS n"), Type(adVarWChar, 30));
  EXPECT_EQ(Single("'abc' AS n"), Type(adVarChar, 3));
  EXPECT_EQ(Single("N'ção' AS n"), Type(adVarWChar, 3));
  EXPECT_EQ(Single("12 AS n"), Type(adInteger, 4));
  EXPECT_EQ(Single("-MO.[Ano] AS n"), Type(adSmallInt, 2));
}

TEST_F(TsqlColumnTypesTest, CaseTakesTheHighestResultType) {
  EXPECT_EQ(Single("CASE WHEN MO.[Tpterc]=1 THEN AR.[NOME] ELSE '' END As Nome"),
            Type(adVarWChar, 60));
  EXPECT_EQ(Columns(" SELECT SUM(CASE WHEN DOCGCCAB.TPFSTC=2 THEN -DOCGCLIN.QUANT ELSE "
                    "DOCGCLIN.QUANT END) AS ENTRADASSAIDAS FROM DOCGCCAB INNER JOIN DOCGCLIN ON "
                    "DOCGCCAB.NNUMDOC = DOCGCLIN.NNUMDOC"),
            (std::vector<Type>{{adDouble, 8}}));
}

TEST_F(TsqlColumnTypesTest, UnknownColumnsAndStarsLeaveTheTypeToTheBackend) {
  EXPECT_TRUE(Columns("SELECT * FROM ARTIGOS").empty());
  EXPECT_TRUE(Columns("SELECT AR.CODIGO, AR.* FROM ARTIGOS AS AR").empty());
  EXPECT_EQ(Columns("SELECT Missing, @v, (SELECT 1) AS s, AD.oru_ArquivoDigital_Id AS Numero "
                    "FROM oru_ArquivoDigital AS AD"),
            (std::vector<Type>{{0, 0}, {0, 0}, {0, 0}, {adInteger, 4}}));
  EXPECT_TRUE(Columns("UPDATE ARTIGOS SET NOME = 'x'").empty());
}

}  // namespace
}  // namespace pellora::sqlite
