#ifndef PELLORA_TESTS_COMPANY_TEST_H_
#define PELLORA_TESTS_COMPANY_TEST_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "dal/context.h"
#include "dal/definitions.h"
#include "importacao/mov_importacao.h"
#include "platform/vela/picking_api.h"
#include "runtime/date.h"
#include "tests/company_database.h"
#include "tests/company_engine.h"
#include "tests/plain_number.h"
#include "tests/stock_agreement.h"
#include "tests/temp_folder.h"

namespace pellora::testing {

using Texts = std::vector<std::string>;

// A pending reading of set T1 / 20261205093000 (`columns` and `values` start with ", ").
struct Picked {
  int line;
  std::string kind, article;
  double quantity;
  std::string columns = "", values = "", unit = "UN", serial = "";
};

// Company EMP1 built from schema/company.sql on the test program's engine, with the clock at
// 2026-12-05 10:00:00; its lots and serial numbers agree with its stock after each test.
// Catalogue: types FAC (sale), NCR (credit note), VFA (purchase), TRA (transfer), INV (initial
// inventory), QUE (breakage), SOB (surplus) and ECL (customer order), each with series A;
// customer C1, supplier F1, warehouses A1 and A2, sector S1 in Braga; articles P1 (20 in A1 and
// 10 in A2, 30 worth 120) and L1 (lot-tracked, 10 in A1). Customer order ECL-A-1-2026 holds
// line 1 of 4 P1 at 9 less 10 %.
class CompanyTest : public ::testing::Test {
 protected:
  // Makes the company, its file (on SQLite) in `folder`, and runs `more` on it.
  void MakeCompany(const std::filesystem::path& folder, const std::string& more) {
    engine_ = MakeCompanyEngine(folder, "EMP1");
    engine_->Create();
    Exec(CompanySchemaText() + kCatalogue + more);
  }
  void TearDown() override {
    EXPECT_EQ(StockDisagreements([&](const std::string& sql) { return engine_->Rows(sql); }),
              std::vector<std::string>{});
  }

  // Runs statements in the company schema's syntax, outside the objects under test.
  void Exec(const std::string& sql) { engine_->Exec(sql); }
  // The rows of a query, each row's columns joined by "|" (NULL as "NULL", numbers plain).
  std::vector<std::string> Rows(const std::string& sql) {
    std::vector<std::string> rows = engine_->Rows(sql);
    for (std::string& row : rows) row = PlainRow(row);
    return rows;
  }
  // A pending reading, counted at 09:15.
  void Reading(const Picked& r) {
    Exec(
        "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, NumeroLinha, "
        "TipoMov, Artigo, Unidade, Armazem, NumeroSerie, VossoLote, Quantidade, Ordenaca" +
        r.columns + ") VALUES ('T1', '20261205093000', '20261205091500', " +
        std::to_string(r.line) + ", '" + r.kind + "', '" + r.article + "', '" + r.unit +
        "', 'A1', '" + r.serial + "', '', " + std::to_string(r.quantity) + ", " +
        std::to_string(r.line) + r.values + ")");
  }

  const ContextScope context_{{.workstation = {.clock = [] {
                                 return DateFromParts({2026, 12, 5, 10, 0, 0});
                               }}}};
  TempFolder folder_;
  std::unique_ptr<CompanyEngine> engine_;

 private:
  static constexpr const char* kCatalogue =
      "INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, ENTIDADE, SINALCT, TPFSTC, NOTACRED) "
      "VALUES ('FAC', 'Fatura', 4, 2, 2, 1, 2, 0), ('NCR', 'Nota de crédito', 4, 2, 2, 2, 1, 1),"
      " ('VFA', 'Fatura de compra', 4, 1, 1, 2, 1, 0), ('TRA', 'Transferência', 4, 4, 0, 0, 3, 0),"
      " ('INV', 'Inventário', 4, 3, 0, 0, 1, 0), ('QUE', 'Quebra', 4, 3, 0, 0, 2, 0),"
      " ('SOB', 'Sobra', 4, 3, 0, 0, 1, 0), ('ECL', 'Encomenda', 4, 2, 2, 0, 0, 0);"
      "INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR) SELECT CODIGO, 'A', 'Série A' FROM TPDOC;"
      "INSERT INTO CLIENTES (CODIGO, NOME, DESCCOMP, VENDEDOR) VALUES ('C1', 'Cliente', '5', "
      "'V1');"
      "INSERT INTO FORNEC (CODIGO, NOME, DESCCOM) VALUES ('F1', 'Fornecedor', '2.5');"
      "INSERT INTO ARMAZENS (CODIGO, NOME) VALUES ('A1', 'Armazém 1'), ('A2', 'Armazém 2');"
      "INSERT INTO SECTORES (CODIGO, DESCR, LOCALIDA) VALUES ('S1', 'Sector 1', 'Braga');"
      "INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, PVPSIVA, ULTPRCOM, ULTPRCBR, STDISP, VLREXIST,"
      " CTLOTES, TOTENCCL) VALUES ('P1', 'Parafuso', 'UN', 10, 6, 6.5, 30, 120, 0, 4),"
      " ('L1', 'Tinta', 'UN', 4, 3, 3, 10, 30, 1, 0);"
      "INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC, ARMENCCL) VALUES ('P1', 'A1', 20, 4),"
      " ('P1', 'A2', 10, 0), ('L1', 'A1', 10, 0);"
      "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, TPTERC, TERCEIRO, AREAG, TPOPER, "
      "VNUMDOC, MORADADSG) VALUES ('ECL', 'A', 2026, 1, '2026-12-01', 2, 'C1', 4, 2, 'PO-9', "
      "'Rua Nova');"
      "INSERT INTO CLDOCGC (TIPODOC, SERIE, ANO, NDOC, MATRICULA) VALUES ('ECL', 'A', 2026, 1, "
      "'AA-11-BB');"
      "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARTIGO, DESCR, "
      "ARMAZEM, UNIDADE, QUANT, QTDORIG, PRUNIT, TXDESC) VALUES ('ECL', 'A', 2026, 1, 1, 1, "
      "'P1', 'Parafuso', 'A1', 'UN', 4, 4, 9, 10);";
};

// The reading columns and values that name customer order ECL-A-1-2026 of C1.
constexpr char kOrderKey[] = ", TpDoc, Serie, Numero, Ano, Tpterc, Terceiro";
constexpr char kOrderValues[] = ", 'ECL', 'A', 1, 2026, 2, 'C1'";

// What the view or operation that imports gives it: the kind, the document type and the third
// party.
struct Kind {
  int32_t tipo;
  const char* documento;
  const char* terceiro;
};
constexpr Kind kSale{TI_Venda, "FAC", ""}, kPurchase{TI_Compra, "VFA", ""},
    kAdjustment{TI_AcertoInventario, "", ""}, kInventory{TI_InventarioInicial, "", ""},
    kTransfer{TI_TransferenciasArm, "TRA", "A2"};

// The company (its file in the test's folder) opened through its data access (the context's
// gDataAccess), with a logged-in host stand-in; the parameters row names INV, QUE and SOB with
// series A and sector S1.
class ImportCompanyTest : public CompanyTest {
 protected:
  void SetUp() override {
    MakeCompany(folder(), kParameters);
    std::ofstream(folder() / "PICKING.EMP1") << "[Api Vela]\nLogin=picking\nEmpresa=EMP1\n";
    Connect(nullptr);
  }
  void TearDown() override {
    ReleaseCompany();
    CompanyTest::TearDown();
  }

  // Opens the data access that gDataAccess and the host share, its statements watched by
  // `observer` (none: nullptr).
  void Connect(session::StatementObserverPtr observer) {
    if (data_) data_->CloseConnection();
    data_ = engine_->Connect(std::move(observer));
    api_ = LoggedIn(data_, folder());
  }
  // Closes the fixture's own connection, leaving the company file whole (no journal beside it)
  // for other processes to open.
  void ReleaseCompany() {
    DataAccessSet(nullptr);
    data_->CloseConnection();
  }
  const std::filesystem::path& folder() const { return folder_.path(); }

  // The host logged in to the company in `folder` over `data`, which gDataAccess shares.
  static PickingApiPtr LoggedIn(const std::shared_ptr<DataAccess>& data,
                                const std::filesystem::path& folder) {
    DataAccessSet(data);
    auto vela = std::make_shared<vela::VelaPickingApi>();
    vela->SetIdentificadorAplicacao("Pellora");
    EXPECT_TRUE(vela->Login((folder / "PICKING.EMP1").string()));
    vela->SetDataAccess(data);
    return vela;
  }

  // Imports set T1 / 20261205093000 with series A, sector S1, dated 2026-12-05, in euros, VAT
  // included; one set at a time for sales and purchases, as the document views import.
  static Result Import(PickingApiPtr api, const Kind& kind) {
    MovImportacao import;
    import.SetCabTipoImportacao(kind.tipo);
    import.SetCabTipoDocumento(kind.documento);
    import.SetCabSerie("A");
    import.SetCabSector("S1");
    import.SetCabTerceiro(kind.terceiro);
    import.SetCabData(DateFromParts({2026, 12, 5}));
    import.SetCabMoeda("EUR");
    import.SetCabIvaIncluido(true);
    std::vector<std::string> terminais = {"", "T1"};
    std::vector<std::string> conjuntos = {"", "20261205093000"};
    return import.Execute(api, kind.tipo == TI_Venda || kind.tipo == TI_Compra, terminais,
                          conjuntos);
  }
  Result Run(const Kind& kind) { return Import(api_, kind); }

  PickingApiPtr api_;

 private:
  static constexpr const char* kParameters =
      "CREATE TABLE oru_PARAMETROSEXP (ID INTEGER PRIMARY KEY, INVENTDOC nvarchar(3), "
      "INVENTSER nvarchar(10), INVENTSEC nvarchar(3), QUEBRADOC nvarchar(3), QUEBRASER "
      "nvarchar(10), QUEBRASEC nvarchar(3), SOBRADOC nvarchar(3), SOBRASER nvarchar(10), "
      "SOBRASEC nvarchar(3));"
      "INSERT INTO oru_PARAMETROSEXP VALUES (1, 'INV', 'A', 'S1', 'QUE', 'A', 'S1', 'SOB', 'A', "
      "'S1');";

  std::shared_ptr<DataAccess> data_;
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_COMPANY_TEST_H_
