#include "app/demo_company.h"
#include "app/command_line.h"

#include <sqlite3.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/sqlite/text_comparison.h"
#include "runtime/clock.h"
#include "runtime/date.h"
#include "runtime/error.h"
#include "runtime/profile_file.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

// Read-only access to a company database, each query answering its first value as text.
class Company {
 public:
  explicit Company(const std::string& path) {
    EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite::RegisterTextComparison(db_);
  }
  ~Company() { sqlite3_close(db_); }

  std::string Text(const std::string& sql) const {
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db_);
    std::string value = "<nenhuma linha>";
    if (sqlite3_step(statement) == SQLITE_ROW) {
      const auto* text = sqlite3_column_text(statement, 0);
      value = text ? reinterpret_cast<const char*>(text) : "<NULL>";
    }
    sqlite3_finalize(statement);
    return value;
  }
  long Number(const std::string& sql) const { return std::stol(Text(sql)); }
  // The steps SQLite plans for the query, joined.
  std::string Plan(const std::string& sql) const {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db_, ("EXPLAIN QUERY PLAN " + sql).c_str(), -1, &statement, nullptr);
    std::string plan;
    while (sqlite3_step(statement) == SQLITE_ROW) {
      plan += reinterpret_cast<const char*>(sqlite3_column_text(statement, 3)) + std::string(";");
    }
    sqlite3_finalize(statement);
    return plan;
  }

 private:
  sqlite3* db_ = nullptr;
};

class DemoCompanyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock([] { return DateFromParts({2025, 3, 14, 10, 30, 0}); });
  }
  void TearDown() override { SetClock({}); }

  DemoOptions Options(int readings = 300, unsigned seed = 1) const {
    return {.dir = folder_.path().string(), .readings = readings, .seed = seed};
  }
  std::string DatabasePath() const { return folder_.File("DEMO.db"); }

  testing::TempFolder folder_;
};

TEST_F(DemoCompanyTest, WritesTheConfigurationFileOfTheCompany) {
  CreateDemoCompany(Options());
  const auto config = ProfileFile::Load(folder_.File("orudados/PICKING.DEMO"));
  ASSERT_TRUE(config);
  EXPECT_EQ(config->Value("Ligação", "Servidor"), "..");  // the folder above the configuration
  EXPECT_EQ(config->Value("Ligação", "BaseDados"), "DEMO");
  EXPECT_TRUE(config->Value("Ligação", "User"));
  EXPECT_EQ(config->Value("Api Vela", "Empresa"), "DEMO");
  EXPECT_TRUE(config->Value("Api Vela", "Login"));
  EXPECT_EQ(config->Value("Parametros", "MostraUltimaVenda"), "S");
  EXPECT_EQ(config->Value("V3U", "TipoDocNaoMovimentaInativos"), "FA;VD;");
  EXPECT_EQ(config->Value("V3U", "TipoDocControlaPrecosVenda"), "FA;VD;");
  EXPECT_EQ(config->Value("V3U", "PercentagemControlaPrecosVenda"), "10");
  EXPECT_EQ(config->Value("V3U", "CampoBDControlaPrecosVenda"), "PCM");
  EXPECT_TRUE(std::filesystem::exists(DatabasePath()));
}

TEST_F(DemoCompanyTest, OffersPendingSetsOfEveryMovementKind) {
  CreateDemoCompany(Options());
  Company db(DatabasePath());
  for (const char* kind : {"I", "A", "T", "E", "S"}) {
    EXPECT_GT(db.Number("SELECT COUNT(DISTINCT TerminalId || '|' || DataSync) "
                        "FROM oru_ARM_Picking_Movimentos WHERE Estado = 0 AND TipoMov = '" +
                        std::string(kind) + "'"),
              0)
        << kind;
  }
  // Sync stamps are 14 digits of the week before today; transfers name another warehouse.
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE LENGTH(DataSync) <> "
                      "14 OR DataSync NOT BETWEEN '20250307' AND '20250314'"),
            0);
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE TipoMov = 'T' AND "
                      "(Terceiro = Armazem OR Terceiro NOT IN (SELECT CODIGO FROM ARMAZENS))"),
            0);
}

TEST_F(DemoCompanyTest, OrderReferencesPointAtOpenOrderLinesOfTheSameParty) {
  CreateDemoCompany(Options());
  Company db(DatabasePath());
  for (const char* type : {"ECL", "EFO"}) {
    EXPECT_GT(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE TpDoc = '" +
                        std::string(type) + "'"),
              0)
        << type;
  }
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos AS M "
                      "WHERE COALESCE(M.TpDoc, '') <> '' AND NOT EXISTS (SELECT 1 FROM DOCGCLIN "
                      "AS L JOIN DOCGCCAB AS C ON C.TPDOC = L.TPDOCUM AND C.SERIE = L.SERIE AND "
                      "C.ANO = L.ANO AND C.NNUMDOC = L.NNUMDOC WHERE C.[CONVERT] = 0 AND "
                      "L.TPDOCUM = M.TpDoc AND L.SERIE = M.Serie AND L.NNUMDOC = M.Numero AND "
                      "L.ANO = M.Ano AND L.NUMLINHA = M.NumeroLinha AND L.ARTIGO = M.Artigo AND "
                      "L.ARMAZEM = M.Armazem AND C.TERCEIRO = M.Terceiro)"),
            0);
  // Ordered quantities add up from the order lines to the warehouses and the articles.
  EXPECT_EQ(db.Text("SELECT SUM(QUANT) FROM DOCGCLIN WHERE TPDOCUM = 'ECL'"),
            db.Text("SELECT SUM(ARMENCCL) FROM ARTARM"));
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM ARTIGOS WHERE TOTENCCL <> (SELECT SUM(ARMENCCL) "
                      "FROM ARTARM WHERE ARTIGO = ARTIGOS.CODIGO)"),
            0);
  EXPECT_GT(db.Number("SELECT COUNT(*) FROM CLDOCGC"), 0);
}

TEST_F(DemoCompanyTest, HoldsTheReadingsThatTheImportMustHandle) {
  CreateDemoCompany(Options());
  Company db(DatabasePath());
  // A quote in a code, found whatever the case, as the server's collation does.
  EXPECT_EQ(db.Text("SELECT NOME FROM ARTIGOS WHERE CODIGO = 'cx''12'"),
            "Caixa d'Ovos Classe M (12 un.)");
  EXPECT_GT(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Artigo = 'cx''12'"),
            0);
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE TipoMov = 'I' AND "
                      "PrecoUnitario = 0"),
            1);
  EXPECT_GT(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos AS M JOIN ARTIGOS AS A "
                      "ON A.CODIGO = M.Artigo WHERE M.TipoMov = 'S' AND A.INACTIVO = 1"),
            0);
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM ARTIGOS WHERE INACTIVO IS NULL"), 1);
  EXPECT_GT(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Tpterc IS NULL"), 0);
  EXPECT_GT(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE NossoLote <> '' "
                      "AND LENGTH(DataValidade) = 8"),
            0);
  EXPECT_GT(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos AS M JOIN ARTIGOS AS A "
                      "ON A.CODIGO = M.Artigo WHERE M.Unidade = A.UNEMB"),
            0);
  // Exits of serial-numbered articles carry numbers in stock of their warehouse.
  EXPECT_GT(db.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos AS M JOIN NSEREXIS AS N "
                      "ON N.NUMSER = M.NumeroSerie AND N.ARMAZEM = M.Armazem "
                      "WHERE M.TipoMov = 'S'"),
            0);
  EXPECT_EQ(db.Text("SELECT INVENTDOC || QUEBRADOC || SOBRADOC || TRANSFDOC || TRANSFSER "
                    "FROM oru_PARAMETROSEXP"),
            "INVQBRSBRTRF1");
}

TEST_F(DemoCompanyTest, KeepsServerTypesCaseInsensitiveCodesAndIndexedReadings) {
  CreateDemoCompany(Options());
  Company db(DatabasePath());
  auto declared = [&db](const std::string& table, const std::string& column) {
    return db.Text("SELECT type FROM pragma_table_info('" + table + "') WHERE name = '" + column +
                   "'");
  };
  EXPECT_EQ(declared("DOCGCCAB", "DateUpd"), "datetime");
  EXPECT_EQ(declared("ARTIGOS", "PVPSIVA"), "money");
  EXPECT_EQ(declared("ARTIGOS", "INACTIVO"), "bit");
  EXPECT_EQ(declared("oru_ARM_Picking_Movimentos", "TerminalId"), "nvarchar(20)");
  EXPECT_EQ(declared("oru_PARAMETROSEXP", "TRANSFSER"), "nvarchar(10)");
  EXPECT_EQ(db.Text("SELECT DataUpd FROM (SELECT DateUpd AS DataUpd FROM DOCGCCAB LIMIT 1)").size(),
            19u);
  EXPECT_EQ(db.Text("SELECT group_concat(CODIGO) FROM TPDOC WHERE AREAG=4 AND TPOPER =4 AND "
                    "TPFSTC =3 AND CODIGO IN ('trf', 'gtr')"),
            "GTR,TRF");
  EXPECT_NE(db.Plan("SELECT * FROM oru_ARM_Picking_Movimentos WHERE TerminalId IN ('pda01') AND "
                    "DataSync IN ('20250314101010') AND Estado = 0")
                .find("IX_PICKING_CONJUNTO"),
            std::string::npos);
}

TEST_F(DemoCompanyTest, ParametersStockAndArchiveAgreeWithTheCatalogues) {
  CreateDemoCompany(Options());
  Company db(DatabasePath());
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM oru_PARAMETROSEXP AS P WHERE "
                      "P.INVENTDOC || P.QUEBRADOC || P.SOBRADOC || P.TRANSFDOC IN (SELECT "
                      "A.CODIGO || B.CODIGO || C.CODIGO || D.CODIGO FROM TPDOC A, TPDOC B, TPDOC "
                      "C, TPDOC D) AND P.TRANSFSER IN (SELECT SERIE FROM NOMSERIE WHERE TIPODOC = "
                      "P.TRANSFDOC) AND P.INVENTSEC IN (SELECT CODIGO FROM SECTORES) AND "
                      "P.BRGARMAZEM IN (SELECT CODIGO FROM ARMAZENS) AND P.LBXFORNBRAGA IN "
                      "(SELECT CODIGO FROM FORNEC) AND P.BRGCLILISBOA IN (SELECT CODIGO FROM "
                      "CLIENTES)"),
            1);
  // Serial-numbered stock is the serial numbers held; article totals add up the warehouses.
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM ARTARM AS S JOIN ARTIGOS AS A ON A.CODIGO = S.ARTIGO "
                      "WHERE A.CTNSERIE = 1 AND S.EXISTENC <> (SELECT COUNT(*) FROM NSEREXIS "
                      "WHERE ARTIGO = S.ARTIGO AND ARMAZEM = S.ARMAZEM)"),
            0);
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM ARTIGOS WHERE STDISP <> (SELECT SUM(EXISTENC) FROM "
                      "ARTARM WHERE ARTIGO = ARTIGOS.CODIGO)"),
            0);
  EXPECT_EQ(db.Text("SELECT group_concat(ID.DESCR, ',') FROM oru_ARTIGOS_FICHATECNICA AS FT "
                    "JOIN oru_ArquivoDigital AS AD ON AD.oru_ArquivoDigital_Entidade = FT.ID "
                    "JOIN IDIOMAS AS ID ON ID.CODIGO = FT.IDIOMA WHERE FT.ARTIGO = 'MIC001'"),
            "Português,Inglês");
}

TEST_F(DemoCompanyTest, ReadingsScaleWithTheRequestAndFollowTheSeed) {
  auto dump = [](const std::string& path) {
    return Company(path).Text(
        "SELECT group_concat(TerminalId || DataSync || Artigo || Quantidade, ';') "
        "FROM oru_ARM_Picking_Movimentos");
  };
  CreateDemoCompany({.dir = folder_.File("a"), .readings = 2000, .seed = 7});
  CreateDemoCompany({.dir = folder_.File("b"), .readings = 2000, .seed = 7});
  CreateDemoCompany({.dir = folder_.File("c"), .readings = 40, .seed = 8});
  EXPECT_EQ(Company(folder_.File("a/DEMO.db"))
                .Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Estado = 0"),
            2000);
  EXPECT_EQ(
      Company(folder_.File("c/DEMO.db")).Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos"),
      40);
  EXPECT_EQ(dump(folder_.File("a/DEMO.db")), dump(folder_.File("b/DEMO.db")));
  EXPECT_NE(dump(folder_.File("a/DEMO.db")), dump(folder_.File("c/DEMO.db")));
}

// One large count, or exits all read against orders, for timing one import of many readings.
TEST_F(DemoCompanyTest, ReadingsOfOneKindOnly) {
  CreateDemoCompany({.dir = folder_.File("i"), .readings = 3000, .kind = 'I'});
  CreateDemoCompany({.dir = folder_.File("s"), .readings = 500, .kind = 'S'});
  const Company count(folder_.File("i/DEMO.db"));
  EXPECT_EQ(count.Text("SELECT group_concat(TipoMov || ':' || n) FROM (SELECT TipoMov, COUNT(*) "
                       "AS n FROM oru_ARM_Picking_Movimentos GROUP BY TipoMov)"),
            "I:3000");
  EXPECT_GT(count.Number("SELECT COUNT(DISTINCT TerminalId || DataSync) FROM "
                         "oru_ARM_Picking_Movimentos"),
            100);
  const Company exits(folder_.File("s/DEMO.db"));
  EXPECT_EQ(exits.Text("SELECT group_concat(TipoMov || ':' || n) FROM (SELECT TipoMov, COUNT(*) "
                       "AS n FROM oru_ARM_Picking_Movimentos GROUP BY TipoMov)"),
            "S:500");
  EXPECT_EQ(exits.Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE TpDoc IS NULL "
                         "OR TpDoc <> 'ECL'"),
            0);
}

TEST_F(DemoCompanyTest, RefusesToOverwriteAnExistingCompany) {
  CreateDemoCompany(Options(20));
  try {
    CreateDemoCompany(Options(500));
    FAIL() << "a segunda criação devia falhar";
  } catch (const UsageError& e) {
    EXPECT_NE(std::string(e.what()).find("já existe"), std::string::npos) << e.what();
  }
  EXPECT_EQ(Company(DatabasePath()).Number("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos"), 20);
}

TEST_F(DemoCompanyTest, RefusesACompanyCodeThatIsNoPlainName) {
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
