// The demo company on SQLite: what it holds for the host's operations and the import to meet, and
// readings that scale with the request, follow the seed and keep to one kind when asked.
#include "app/demo_company.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/date.h"
#include "runtime/workstation.h"
#include "tests/company_database.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

constexpr char kMoves[] = " FROM oru_ARM_Picking_Movimentos AS M ";

class DemoCompanyTest : public ::testing::Test {
 protected:
  std::string Demo(DemoOptions options) {
    CreateDemoCompany(options);
    return options.dir + "/DEMO.db";
  }
  // The first row `sql` gives on the company database `db`, its columns joined by "|".
  static std::string Text(const std::string& db, const std::string& sql) {
    const std::vector<std::string> rows = testing::RowsOnFile(db, sql);
    return rows.empty() ? "<nenhuma linha>" : rows[0];
  }

  const WorkstationScope clock_{{.clock = [] { return DateFromParts({2025, 3, 14, 10, 30, 0}); }}};
  testing::TempFolder folder_;
};

TEST_F(DemoCompanyTest, HoldsWhatTheImportMustHandle) {
  const std::string db = Demo({.dir = folder_.path().string(), .readings = 300, .seed = 1});
  const std::string moves = kMoves;
  const std::vector<std::pair<std::string, std::string>> holdings = {
      {"SELECT group_concat(TipoMov) FROM (SELECT DISTINCT TipoMov" + moves +
           "WHERE Estado = 0 ORDER BY 1)",
       "A,E,I,S,T"},
      // Ordered quantities in the warehouses.
      {"SELECT (SELECT SUM(QUANT) FROM DOCGCLIN WHERE TPDOCUM = 'ECL') = (SELECT SUM(ARMENCCL) "
       "FROM ARTARM)",
       "1"},
      {"SELECT COUNT(*) > 0 FROM CLDOCGC", "1"},
      // A quote in a code, whatever the case.
      {"SELECT NOME FROM ARTIGOS WHERE CODIGO = 'cx''12'", "Caixa d'Ovos Classe M (12 un.)"},
      {"SELECT COUNT(*)" + moves + "WHERE TipoMov = 'I' AND PrecoUnitario = 0", "1"},
      {"SELECT COUNT(*) FROM ARTIGOS WHERE INACTIVO IS NULL", "1"},
      {"SELECT INVENTDOC || QUEBRADOC || SOBRADOC || TRANSFDOC || TRANSFSER FROM oru_PARAMETROSEXP",
       "INVQBRSBRTRF1"},
      // The parameters are found in their catalogues.
      {"SELECT COUNT(*) FROM oru_PARAMETROSEXP AS P WHERE "
       "P.INVENTDOC || P.QUEBRADOC || P.SOBRADOC || P.TRANSFDOC IN (SELECT "
       "A.CODIGO || B.CODIGO || C.CODIGO || D.CODIGO FROM TPDOC A, TPDOC B, TPDOC "
       "C, TPDOC D) AND P.TRANSFSER IN (SELECT SERIE FROM NOMSERIE WHERE TIPODOC = "
       "P.TRANSFDOC) AND P.INVENTSEC IN (SELECT CODIGO FROM SECTORES) AND "
       "P.BRGARMAZEM IN (SELECT CODIGO FROM ARMAZENS) AND P.LBXFORNBRAGA IN "
       "(SELECT CODIGO FROM FORNEC) AND P.BRGCLILISBOA IN (SELECT CODIGO FROM CLIENTES)",
       "1"},
      // Technical sheets in two languages.
      {"SELECT group_concat(ID.DESCR, ',') FROM oru_ARTIGOS_FICHATECNICA AS FT "
       "JOIN oru_ArquivoDigital AS AD ON AD.oru_ArquivoDigital_Entidade = FT.ID "
       "JOIN IDIOMAS AS ID ON ID.CODIGO = FT.IDIOMA WHERE FT.ARTIGO = 'MIC001'",
       "Português,Inglês"},
      // The server's declared types, which the fields report; a moment with its time.
      {"SELECT group_concat(type) FROM (SELECT type FROM pragma_table_info('DOCGCCAB') WHERE name "
       "= 'DateUpd' UNION ALL SELECT type FROM pragma_table_info('ARTIGOS') WHERE name IN "
       "('PVPSIVA', 'INACTIVO') UNION ALL SELECT type FROM pragma_table_info('oru_PARAMETROSEXP') "
       "WHERE name = 'TRANSFSER' UNION ALL SELECT type FROM "
       "pragma_table_info('oru_ARM_Picking_Movimentos') WHERE name = 'TerminalId')",
       "datetime,money,bit,nvarchar(10),nvarchar(20)"},
      {"SELECT LENGTH(DateUpd) FROM DOCGCCAB LIMIT 1", "19"},
      // Codes without case.
      {"SELECT group_concat(CODIGO) FROM TPDOC WHERE AREAG=4 AND TPOPER =4 AND TPFSTC =3 AND "
       "CODIGO IN ('trf', 'gtr')",
       "GTR,TRF"},
  };
  for (const auto& [sql, expected] : holdings) EXPECT_EQ(Text(db, sql), expected) << sql;
  // No row breaks these rules.
  for (const std::string& none :
       {// Sync stamps of the week before today.
        "SELECT COUNT(*)" + moves +
            "WHERE LENGTH(DataSync) <> 14 OR DataSync NOT BETWEEN '20250307' AND '20250314'",
        // Transfers to another warehouse.
        "SELECT COUNT(*)" + moves +
            "WHERE TipoMov = 'T' AND (Terceiro = Armazem OR Terceiro NOT IN (SELECT CODIGO "
            "FROM ARMAZENS))",
        // Order references to open lines of the same party.
        "SELECT COUNT(*)" + moves +
            "WHERE COALESCE(M.TpDoc, '') <> '' AND NOT EXISTS (SELECT 1 FROM DOCGCLIN "
            "AS L JOIN DOCGCCAB AS C ON C.TPDOC = L.TPDOCUM AND C.SERIE = L.SERIE AND "
            "C.ANO = L.ANO AND C.NNUMDOC = L.NNUMDOC WHERE C.[CONVERT] = 0 AND "
            "L.TPDOCUM = M.TpDoc AND L.SERIE = M.Serie AND L.NNUMDOC = M.Numero AND "
            "L.ANO = M.Ano AND L.NUMLINHA = M.NumeroLinha AND L.ARTIGO = M.Artigo AND "
            "L.ARMAZEM = M.Armazem AND C.TERCEIRO = M.Terceiro)",
        // Ordered quantities in the articles.
        std::string("SELECT COUNT(*) FROM ARTIGOS WHERE TOTENCCL <> (SELECT SUM(ARMENCCL) FROM "
                    "ARTARM WHERE ARTIGO = ARTIGOS.CODIGO)"),
        // Serial-numbered stock is the numbers held; article stock adds up the warehouses.
        std::string("SELECT COUNT(*) FROM ARTARM AS S JOIN ARTIGOS AS A ON A.CODIGO = S.ARTIGO "
                    "WHERE A.CTNSERIE = 1 AND S.EXISTENC <> (SELECT COUNT(*) FROM NSEREXIS "
                    "WHERE ARTIGO = S.ARTIGO AND ARMAZEM = S.ARMAZEM)"),
        std::string("SELECT COUNT(*) FROM ARTIGOS WHERE STDISP <> (SELECT SUM(EXISTENC) FROM "
                    "ARTARM WHERE ARTIGO = ARTIGOS.CODIGO)")}) {
    EXPECT_EQ(Text(db, none), "0") << none;
  }
  // Some readings of the demo's 300 meet each of these; the last, exits of serial numbers in stock
  // of their warehouse.
  for (const std::string where :
       {"WHERE TpDoc = 'ECL'", "WHERE TpDoc = 'EFO'", "WHERE Artigo = 'cx''12'",
        "JOIN ARTIGOS AS A ON A.CODIGO = M.Artigo WHERE M.TipoMov = 'S' AND A.INACTIVO = 1",
        "WHERE Tpterc IS NULL", "WHERE NossoLote <> '' AND LENGTH(DataValidade) = 8",
        "JOIN ARTIGOS AS A ON A.CODIGO = M.Artigo WHERE M.Unidade = A.UNEMB",
        "JOIN NSEREXIS AS N ON N.NUMSER = M.NumeroSerie AND N.ARMAZEM = M.Armazem WHERE "
        "M.TipoMov = 'S'"}) {
    EXPECT_EQ(Text(db, "SELECT COUNT(*) > 0" + moves + where), "1") << where;
  }
  EXPECT_NE(Text(db, std::string("EXPLAIN QUERY PLAN SELECT *") + kMoves +
                         "WHERE TerminalId IN ('pda01') AND DataSync IN ('20250314101010') AND "
                         "Estado = 0")
                .find("IX_PICKING_CONJUNTO"),
            std::string::npos);
}

// The number of readings asked for, all exits read against orders when asked, for timing one
// import of many readings. The same seed makes the same readings: the two companies of every way
// into an import are compared whole.
TEST_F(DemoCompanyTest, ReadingsScaleWithTheRequestAndKeepToOneKind) {
  EXPECT_EQ(Text(Demo({.dir = folder_.File("s"), .readings = 500, .seed = 8, .kind = 'S'}),
                 std::string("SELECT TipoMov, COUNT(*), SUM(COALESCE(TpDoc, '') <> 'ECL')") +
                     kMoves + "GROUP BY TipoMov"),
            "S|500|0");
}

}  // namespace
}  // namespace pellora::app
