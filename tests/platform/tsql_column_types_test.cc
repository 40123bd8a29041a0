#include "platform/sqlite/tsql_translator.h"

#include <gtest/gtest.h>

#include <utility>

#include "tests/tsql/tsql_fake_schema.h"

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

  tsql::FakeSchema schema_;
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

// Each select item over the readings' join and the type SQL Server gives it: aggregates keep or
// widen their argument's type, NULL replacements and CASE take the highest type, texts their
// length.
TEST_F(TsqlColumnTypesTest, EachExpressionTakesTheServersType) {
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
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Columns("SELECT " + std::string(c.select_item) + kReadingJoin),
              std::vector<Type>{c.type})
        << c.select_item;
  }
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
