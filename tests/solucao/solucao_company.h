#ifndef PELLORA_TESTS_SOLUCAO_SOLUCAO_COMPANY_H_
#define PELLORA_TESTS_SOLUCAO_SOLUCAO_COMPANY_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dal/context.h"
#include "dal/definitions.h"
#include "platform/vela/host_view.h"
#include "runtime/date.h"
#include "solucao/solucao.h"
#include "tests/company_database.h"
#include "tests/company_engine.h"
#include "tests/parameter_columns.h"
#include "tests/plain_number.h"
#include "tests/solucao/solucao_fakes.h"
#include "tests/stock_agreement.h"
#include "tests/temp_folder.h"

namespace pellora::solucao_testing {

using Texts = std::vector<std::string>;

// A company EMP1 built from schema/company.sql on the test program's engine (its file, on SQLite,
// in folder "dados"), an add-in folder "addin" that
// holds PICKING.EMP1, and the maker's common folder "comum" (without "orudados" until a test
// makes it). The connection settings name the company; the clock stands at 2026-12-05 10:00.
// Catalogue: types FAC (sales exit), VFA (purchase entry), INV (inventory) with series A; sector
// S1; warehouse A1; customer C1; supplier F1; articles P1 (ULTPRCOM 20, 30 in stock worth 120),
// I1 (inactive), N1 (INACTIVO NULL), Z1 (no stock).
class SolucaoCompanyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(Dados());
    std::filesystem::create_directories(Addin());
    std::filesystem::create_directories(folder_.File("comum"));
    engine_ = testing::MakeCompanyEngine(Dados(), "EMP1");
    engine_->Create();
    Exec(testing::CompanySchemaText() + kCatalogue);
    factory_.common_folder = folder_.File("comum");
    factory_.settings->values = {engine_->Server(), "EMP1", "sa", "segredo"};
    factory_.new_data_access = [engine = engine_.get()] { return engine->NewDataAccess(); };
    Configuracao("");
  }
  void TearDown() override {
    solucao_.reset();
    EXPECT_EQ(testing::StockDisagreements([this](const std::string& sql) { return Rows(sql); }),
              Texts{});
  }

  std::string Dados() const { return folder_.File("dados"); }
  std::string Addin() const { return folder_.File("addin"); }
  // Writes PICKING.EMP1 in `folder` with an "Api Vela" section and `more` after it.
  void Configuracao(const std::string& more, const std::string& folder = "") {
    testing::TempFolder::Write((folder.empty() ? Addin() : folder) + "/PICKING.EMP1",
                               "[Api Vela]\nLogin=picking\nEmpresa=EMP1\n" + more);
  }

  Solucao& Open() {
    solucao_ = std::make_unique<Solucao>(factory_, Addin());
    EXPECT_TRUE(solucao_->ConnectionOpen("EMP1", "ana"));
    return *solucao_;
  }
  const Texts& Messages() const { return factory_.dialogs->messages; }

  // Runs statements in the company schema's syntax, in one transaction.
  void Exec(const std::string& sql) { engine_->Exec(sql); }
  // Rows of a query, columns joined by "|" (NULL as "NULL", numbers plain).
  Texts Rows(const std::string& sql) {
    Texts rows = engine_->Rows(sql);
    for (std::string& row : rows) row = testing::PlainRow(row);
    return rows;
  }

  // A pending reading of set T1 / 20261205093000.
  void Reading(int line, const std::string& kind, const std::string& article, double quantity,
               double price) {
    Exec(
        "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, NumeroLinha, "
        "TipoMov, Artigo, Unidade, Armazem, NumeroSerie, VossoLote, Quantidade, Ordenaca, "
        "PrecoUnitario) VALUES ('T1', '20261205093000', '20261205091500', " +
        std::to_string(line) + ", '" + kind + "', '" + article + "', 'UN', 'A1', '', '', " +
        std::to_string(quantity) + ", " + std::to_string(line) + ", " + std::to_string(price) +
        ")");
  }
  // The parameters row, inventory group INV / A / S1, every other parameter empty.
  void Parametros() {
    Exec(testing::ParametersInsert([](const std::string& column) -> std::string {
      if (column == "INVENTDOC") return "'INV'";
      if (column == "INVENTSER") return "'A'";
      return column == "INVENTSEC" ? "'S1'" : "''";
    }));
  }

  const ContextScope context_{{.workstation = {.clock = [] {
                                 return DateFromParts({2026, 12, 5, 10, 0, 0});
                               }}}};
  testing::TempFolder folder_;
  std::unique_ptr<testing::CompanyEngine> engine_;
  FakeFactory factory_;
  std::unique_ptr<Solucao> solucao_;

 private:
  static constexpr const char* kCatalogue =
      "INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, ENTIDADE, SINALCT, TPFSTC, NOTACRED) "
      "VALUES ('FAC', 'Fatura', 4, 2, 2, 1, 2, 0), ('VFA', 'Fatura de compra', 4, 1, 1, 2, 1, 0),"
      " ('INV', 'Inventário', 4, 3, 0, 0, 1, 0);"
      "INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR) SELECT CODIGO, 'A', 'Série A' FROM TPDOC;"
      "INSERT INTO CLIENTES (CODIGO, NOME) VALUES ('C1', 'Cliente Um');"
      "INSERT INTO FORNEC (CODIGO, NOME) VALUES ('F1', 'Fornecedor Um');"
      "INSERT INTO ARMAZENS (CODIGO, NOME) VALUES ('A1', 'Armazém 1');"
      "INSERT INTO SECTORES (CODIGO, DESCR, LOCALIDA) VALUES ('S1', 'Sector 1', 'Braga');"
      "INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, ULTPRCOM, ULTPRCBR, ULTPMP, STDISP, VLREXIST,"
      " INACTIVO) VALUES ('P1', 'Parafuso', 'UN', 20, 21, 19, 30, 120, 0),"
      " ('I1', 'Inativo', 'UN', 0, 0, 0, 0, 0, 1), ('N1', 'Sem estado', 'UN', 0, 0, 0, 0, 0, NULL),"
      " ('Z1', 'Sem stock', 'UN', 5, 5, 5, 0, 0, 0);"
      "INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC) VALUES ('P1', 'A1', 20);";
};

}  // namespace pellora::solucao_testing

#endif  // PELLORA_TESTS_SOLUCAO_SOLUCAO_COMPANY_H_
