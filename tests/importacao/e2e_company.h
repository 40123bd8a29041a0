#ifndef PELLORA_TESTS_IMPORTACAO_E2E_COMPANY_H_
#define PELLORA_TESTS_IMPORTACAO_E2E_COMPANY_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "dal/definitions.h"
#include "importacao/mov_importacao.h"
#include "platform/vela/picking_api.h"
#include "runtime/date.h"
#include "tests/company_test.h"

namespace pellora::testing {

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

  std::string Value(const std::string& sql) {
    const std::vector<std::string> rows = Rows(sql);
    return rows.empty() ? "" : rows.front();
  }
  std::vector<std::string> States() {
    return Rows("SELECT Estado FROM oru_ARM_Picking_Movimentos ORDER BY Id");
  }

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

#endif  // PELLORA_TESTS_IMPORTACAO_E2E_COMPANY_H_
