#include "app/demo_company.h"
#include "app/command_line.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/date.h"
#include "runtime/error.h"
#include "runtime/workstation.h"
#include "tests/company_database.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

// The first row `sql` gives on the company database `file`, its columns joined by "|".
std::string Text(const std::string& file, const std::string& sql) {
  const std::vector<std::string> rows = testing::RowsOnFile(file, sql);
  return rows.empty() ? "<nenhuma linha>" : rows[0];
}

class DemoCompanyTest : public ::testing::Test {
 protected:
  std::string Demo(DemoOptions options) {
    CreateDemoCompany(options);
    return options.dir + "/DEMO.db";
  }

  const WorkstationScope clock_{{.clock = [] { return DateFromParts({2025, 3, 14, 10, 30, 0}); }}};
  testing::TempFolder folder_;
};

constexpr char kMoves[] = "oru_ARM_Picking_Movimentos";

// What the demo company of 300 readings holds for the host's operations and the import to meet:
// `sql` gives `expected`, or more than 0 where `expected` is "+".
struct Holding {
  const char* what;
  std::string sql;
  std::string expected;
};

TEST_F(DemoCompanyTest, HoldsWhatTheImportMustHandle) {
  const std::string db = Demo({.dir = folder_.path().string(), .readings = 300, .seed = 1});
  const std::string moves = std::string(" FROM ") + kMoves + " AS M ";
  std::vector<Holding> holdings;
  for (const char* kind : {"I", "A", "T", "E", "S"}) {
    holdings.push_back(
        {kind, "SELECT COUNT(*)" + moves + "WHERE Estado = 0 AND TipoMov = '" + kind + "'", "+"});
  }
  for (const char* type : {"ECL", "EFO"}) {
    holdings.push_back({type, "SELECT COUNT(*)" + moves + "WHERE TpDoc = '" + type + "'", "+"});
  }
  const std::vector<Holding> more = {
      {"sync stamps of the week before today",
       "SELECT COUNT(*)" + moves +
           "WHERE LENGTH(DataSync) <> 14 OR DataSync NOT BETWEEN '20250307' AND '20250314'",
       "0"},
      {"transfers to another warehouse",
       "SELECT COUNT(*)" + moves +
           "WHERE TipoMov = 'T' AND (Terceiro = Armazem OR Terceiro NOT IN (SELECT CODIGO FROM "
           "ARMAZENS))",
       "0"},
      {"order references to open lines of the same party",
       "SELECT COUNT(*)" + moves +
           "WHERE COALESCE(M.TpDoc, '') <> '' AND NOT EXISTS (SELECT 1 FROM DOCGCLIN "
           "AS L JOIN DOCGCCAB AS C ON C.TPDOC = L.TPDOCUM AND C.SERIE = L.SERIE AND "
           "C.ANO = L.ANO AND C.NNUMDOC = L.NNUMDOC WHERE C.[CONVERT] = 0 AND "
           "L.TPDOCUM = M.TpDoc AND L.SERIE = M.Serie AND L.NNUMDOC = M.Numero AND "
           "L.ANO = M.Ano AND L.NUMLINHA = M.NumeroLinha AND L.ARTIGO = M.Artigo AND "
           "L.ARMAZEM = M.Armazem AND C.TERCEIRO = M.Terceiro)",
       "0"},
      {"ordered quantities in the warehouses",
       "SELECT (SELECT SUM(QUANT) FROM DOCGCLIN WHERE TPDOCUM = 'ECL') = (SELECT SUM(ARMENCCL) "
       "FROM ARTARM)",
       "1"},
      {"ordered quantities in the articles",
       "SELECT COUNT(*) FROM ARTIGOS WHERE TOTENCCL <> (SELECT SUM(ARMENCCL) FROM ARTARM WHERE "
       "ARTIGO = ARTIGOS.CODIGO)",
       "0"},
      {"order lines' links", "SELECT COUNT(*) FROM CLDOCGC", "+"},
      {"a quote in a code, whatever the case", "SELECT NOME FROM ARTIGOS WHERE CODIGO = 'cx''12'",
       "Caixa d'Ovos Classe M (12 un.)"},
      {"readings of that code", "SELECT COUNT(*)" + moves + "WHERE Artigo = 'cx''12'", "+"},
      {"one count reading priced 0",
       "SELECT COUNT(*)" + moves + "WHERE TipoMov = 'I' AND PrecoUnitario = 0", "1"},
      {"exits of inactive articles",
       "SELECT COUNT(*)" + moves +
           "JOIN ARTIGOS AS A ON A.CODIGO = M.Artigo WHERE M.TipoMov = 'S' AND A.INACTIVO = 1",
       "+"},
      {"an article inactive NULL", "SELECT COUNT(*) FROM ARTIGOS WHERE INACTIVO IS NULL", "1"},
      {"readings without a party kind", "SELECT COUNT(*)" + moves + "WHERE Tpterc IS NULL", "+"},
      {"lots with a validity",
       "SELECT COUNT(*)" + moves + "WHERE NossoLote <> '' AND LENGTH(DataValidade) = 8", "+"},
      {"readings in the packing unit",
       "SELECT COUNT(*)" + moves +
           "JOIN ARTIGOS AS A ON A.CODIGO = M.Artigo WHERE M.Unidade = A.UNEMB",
       "+"},
      {"exits of serial numbers in stock of their warehouse",
       "SELECT COUNT(*)" + moves +
           "JOIN NSEREXIS AS N ON N.NUMSER = M.NumeroSerie AND N.ARMAZEM = M.Armazem WHERE "
           "M.TipoMov = 'S'",
       "+"},
      {"the parameters",
       "SELECT INVENTDOC || QUEBRADOC || SOBRADOC || TRANSFDOC || TRANSFSER FROM oru_PARAMETROSEXP",
       "INVQBRSBRTRF1"},
      {"parameters found in their catalogues",
       "SELECT COUNT(*) FROM oru_PARAMETROSEXP AS P WHERE "
       "P.INVENTDOC || P.QUEBRADOC || P.SOBRADOC || P.TRANSFDOC IN (SELECT "
       "A.CODIGO || B.CODIGO || C.CODIGO || D.CODIGO FROM TPDOC A, TPDOC B, TPDOC "
       "C, TPDOC D) AND P.TRANSFSER IN (SELECT SERIE FROM NOMSERIE WHERE TIPODOC = "
       "P.TRANSFDOC) AND P.INVENTSEC IN (SELECT CODIGO FROM SECTORES) AND "
       "P.BRGARMAZEM IN (SELECT CODIGO FROM ARMAZENS) AND P.LBXFORNBRAGA IN "
       "(SELECT CODIGO FROM FORNEC) AND P.BRGCLILISBOA IN (SELECT CODIGO FROM CLIENTES)",
       "1"},
      {"serial-numbered stock is the numbers held",
       "SELECT COUNT(*) FROM ARTARM AS S JOIN ARTIGOS AS A ON A.CODIGO = S.ARTIGO "
       "WHERE A.CTNSERIE = 1 AND S.EXISTENC <> (SELECT COUNT(*) FROM NSEREXIS "
       "WHERE ARTIGO = S.ARTIGO AND ARMAZEM = S.ARMAZEM)",
       "0"},
      {"article stock adds up the warehouses",
       "SELECT COUNT(*) FROM ARTIGOS WHERE STDISP <> (SELECT SUM(EXISTENC) FROM ARTARM WHERE "
       "ARTIGO = ARTIGOS.CODIGO)",
       "0"},
      {"technical sheets in two languages",
       "SELECT group_concat(ID.DESCR, ',') FROM oru_ARTIGOS_FICHATECNICA AS FT "
       "JOIN oru_ArquivoDigital AS AD ON AD.oru_ArquivoDigital_Entidade = FT.ID "
       "JOIN IDIOMAS AS ID ON ID.CODIGO = FT.IDIOMA WHERE FT.ARTIGO = 'MIC001'",
       "Português,Inglês"},
      // The server's declared types, which the fields report.
      {"datetime", "SELECT type FROM pragma_table_info('DOCGCCAB') WHERE name = 'DateUpd'",
       "datetime"},
      {"money", "SELECT type FROM pragma_table_info('ARTIGOS') WHERE name = 'PVPSIVA'", "money"},
      {"bit", "SELECT type FROM pragma_table_info('ARTIGOS') WHERE name = 'INACTIVO'", "bit"},
      {"nvarchar",
       "SELECT type FROM pragma_table_info('oru_PARAMETROSEXP') WHERE name = 'TRANSFSER'",
       "nvarchar(10)"},
      {"nvarchar",
       "SELECT type FROM pragma_table_info('oru_ARM_Picking_Movimentos') WHERE name = 'TerminalId'",
       "nvarchar(20)"},
      {"a moment with its time",
       "SELECT LENGTH(DataUpd) FROM (SELECT DateUpd AS DataUpd FROM DOCGCCAB LIMIT 1)", "19"},
      {"codes without case",
       "SELECT group_concat(CODIGO) FROM TPDOC WHERE AREAG=4 AND TPOPER =4 AND TPFSTC =3 AND "
       "CODIGO IN ('trf', 'gtr')",
       "GTR,TRF"},
  };
  holdings.insert(holdings.end(), more.begin(), more.end());
  for (const Holding& holding : holdings) {
    const std::string got = Text(db, holding.sql);
    if (holding.expected == "+") {
      EXPECT_GT(std::stol(got), 0) << holding.what;
    } else {
      EXPECT_EQ(got, holding.expected) << holding.what;
    }
  }
  EXPECT_NE(
      Text(db,
           std::string("EXPLAIN QUERY PLAN SELECT * FROM ") + kMoves +
               " WHERE TerminalId IN ('pda01') AND DataSync IN ('20250314101010') AND Estado = 0")
          .find("IX_PICKING_CONJUNTO"),
      std::string::npos);
}

TEST_F(DemoCompanyTest, ReadingsScaleWithTheRequestFollowTheSeedAndKeepToOneKind) {
  auto dump = [](const std::string& db) {
    return Text(
        db, std::string(
                "SELECT group_concat(TerminalId || DataSync || Artigo || Quantidade, ';') FROM ") +
                kMoves);
  };
  auto kinds = [](const std::string& db) {
    return Text(
        db,
        std::string(
            "SELECT group_concat(TipoMov || ':' || n) FROM (SELECT TipoMov, COUNT(*) AS n FROM ") +
            kMoves + " GROUP BY TipoMov)");
  };
  const std::string a = Demo({.dir = folder_.File("a"), .readings = 2000, .seed = 7});
  const std::string b = Demo({.dir = folder_.File("b"), .readings = 2000, .seed = 7});
  const std::string c = Demo({.dir = folder_.File("c"), .readings = 40, .seed = 8});
  EXPECT_EQ(Text(a, std::string("SELECT COUNT(*) FROM ") + kMoves + " WHERE Estado = 0"), "2000");
  EXPECT_EQ(Text(c, std::string("SELECT COUNT(*) FROM ") + kMoves), "40");
  EXPECT_EQ(dump(a), dump(b));
  EXPECT_NE(dump(a), dump(c));
  // One large count, or exits all read against orders, for timing one import of many readings.
  const std::string count = Demo({.dir = folder_.File("i"), .readings = 3000, .kind = 'I'});
  const std::string exits = Demo({.dir = folder_.File("s"), .readings = 500, .kind = 'S'});
  EXPECT_EQ(kinds(count), "I:3000");
  EXPECT_GT(
      std::stol(
          Text(count, std::string("SELECT COUNT(DISTINCT TerminalId || DataSync) FROM ") + kMoves)),
      100);
  EXPECT_EQ(kinds(exits), "S:500");
  EXPECT_EQ(Text(exits, std::string("SELECT COUNT(*) FROM ") + kMoves +
                            " WHERE TpDoc IS NULL OR TpDoc <> 'ECL'"),
            "0");
}

TEST_F(DemoCompanyTest, RefusesACompanyCodeThatIsNoPlainNameBeforeMakingAnything) {
  EXPECT_THROW(CreateDemoCompany({.dir = folder_.path().string(), .company = "../DEMO"}),
               UsageError);
  EXPECT_TRUE(std::filesystem::is_empty(folder_.path()));
}

TEST_F(DemoCompanyTest, ReportsAFolderThatCannotBeMade) {
  const std::string file = folder_.File("ficheiro");
  testing::TempFolder::Write(file, "não é uma pasta");
  try {
    CreateDemoCompany({.dir = file + "/empresas"});
    FAIL() << "a criação devia falhar";
  } catch (const Error& e) {
    EXPECT_NE(e.description().find("Não foi possível criar a pasta"), std::string::npos);
  }
}

}  // namespace
}  // namespace pellora::app
