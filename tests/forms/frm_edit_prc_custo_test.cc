#include "forms/frm_edit_prc_custo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/dal/company_fixture.h"
#include "tests/forms/scripted_controls.h"

namespace pellora::testing {
namespace {

const char kPrice[] = "PrecoUnitario";

// The cost editor on a real company: set T1/S1 holds A1 (twice, one with a price) and A2; set
// T2/S2 holds A3 and A1.
class FrmEditPrcCustoTest : public CompanyTest {
 protected:
  void SetUp() override {
    CompanyTest::SetUp();
    Exec(
        "INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE) VALUES ('A1', 'Parafuso', 'UN'), "
        "('A2', 'Porca', 'UN'), ('A3', 'Anilha', 'UN')");
    Reading("T1", "S1", 1, "A1", 4);
    Reading("T1", "S1", 2, "A2", 6);
    Reading("T1", "S1", 3, "A1", 1, ", PrecoUnitario", ", 1.5");
    Reading("T2", "S2", 1, "A3", 2);
    Reading("T2", "S2", 2, "A1", 3);
  }

  // Opens the editor on the chosen sets; the scenario acts while it is shown.
  void Edit(std::vector<std::string> terminals, std::vector<std::string> syncs) {
    form.Editar(terminals, syncs);
  }
  void EditBothSets() { Edit({"", "T1", "T2"}, {"", "S1", "S2"}); }

  ScriptedDataGrid& grid() { return *surface->grid; }
  std::string PriceOf(const std::string& terminal, int line) {
    return Text("SELECT PrecoUnitario FROM oru_ARM_Picking_Movimentos WHERE TerminalId='" +
                terminal + "' AND NumeroLinha=" + std::to_string(line));
  }
  std::vector<std::string> Updates() {
    std::vector<std::string> updates;
    for (const auto& call : recorder().calls) {
      if (call.member.starts_with("ExecuteCommand")) updates.push_back(call.sql);
    }
    return updates;
  }

  RecordingDialogs dialogs;
  ScriptedFormSurface* surface = new ScriptedFormSurface;
  frmEditPrcCusto form{FormSurfacePtr(surface), dialogs};
};

TEST_F(FrmEditPrcCustoTest, ShowsTheFirstSetsReadingsWithTheCostColumns) {
  EditBothSets();
  EXPECT_EQ(surface->caption, "Valores de Inventário");
  EXPECT_EQ(surface->shown, 1);
  ASSERT_EQ(grid().RowCount(), 3);
  EXPECT_EQ(grid().CellValue(0, "Artigo"), Variant("A1"));
  EXPECT_EQ(grid().CellValue(1, "Artigo"), Variant("A2"));
  EXPECT_EQ(grid().CellValue(2, "Artigo"), Variant("A1"));
  EXPECT_EQ(grid().redraws, (std::vector<bool>{false, true}));

  const GridColumn& price = grid().columns.at(kPrice);
  EXPECT_EQ(price.caption, "Preço Unitário");
  EXPECT_FALSE(price.locked);
  EXPECT_FALSE(price.hidden);
  const GridColumn& count = grid().columns.at("Quantidade");
  EXPECT_EQ(count.caption, "Contagem");
  EXPECT_FALSE(count.locked);
  for (const char* locked :
       {"Artigo", "ArtNome", "Unidade", "Armazem", "NumeroSerie", "NossoLote"}) {
    EXPECT_TRUE(grid().columns.at(locked).locked) << locked;
    EXPECT_FALSE(grid().columns.at(locked).hidden) << locked;
  }
  EXPECT_EQ(grid().columns.at("ArtNome").caption, "Nome");
  EXPECT_TRUE(grid().columns.at("TerminalId").hidden);
  EXPECT_TRUE(grid().columns.at("StockArm").hidden);
  EXPECT_EQ(grid().columns.size(), grid().bound->FieldCount());
}

TEST_F(FrmEditPrcCustoTest, TheGridRefusesNegativeAndNonNumericPrices) {
  std::vector<bool> taken;
  surface->scenario = [&](ScriptedFormSurface&) {
    taken = {grid().Type(0, kPrice, "-1"), grid().Type(0, kPrice, "abc"),
             grid().Type(0, kPrice, "0"), grid().Type(1, kPrice, "12,5"),
             grid().Type(1, "Quantidade", "-3")};
  };
  EditBothSets();
  EXPECT_EQ(taken, (std::vector<bool>{false, false, true, true, true}));
  EXPECT_EQ(grid().CellValue(0, kPrice), Variant(0.0));
  EXPECT_EQ(grid().CellValue(1, kPrice), Variant(12.5));
}

TEST_F(FrmEditPrcCustoTest, GravarSavesOnlyChangedPricesOnEveryChosenSetAndRefills) {
  bool open_after_save = false;
  surface->scenario = [&](ScriptedFormSurface& shown) {
    ASSERT_TRUE(grid().Type(0, kPrice, "2,5"));
    ASSERT_TRUE(grid().Type(2, kPrice, "1,5"));  // the price it was loaded with
    shown.Press("&Gravar");
    open_after_save = shown.visible;
  };
  EditBothSets();
  EXPECT_TRUE(open_after_save);
  ASSERT_EQ(Updates().size(), 1u);
  EXPECT_NE(Updates()[0].find("[PrecoUnitario] = '2.5'"), std::string::npos) << Updates()[0];
  EXPECT_EQ(PriceOf("T1", 1), "2.5");
  EXPECT_EQ(PriceOf("T1", 3), "2.5");  // every reading of the article
  EXPECT_EQ(PriceOf("T2", 2), "2.5");  // in every chosen set
  EXPECT_EQ(PriceOf("T1", 2), "NULL");
  EXPECT_EQ(PriceOf("T2", 1), "NULL");
  // The grid shows the stored prices again.
  EXPECT_EQ(grid().CellLoadedValue(0, kPrice), Variant(2.5));
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(FrmEditPrcCustoTest, GravarWithoutChangesWritesNothingAndReloads) {
  surface->scenario = [](ScriptedFormSurface& shown) { shown.Press("&Gravar"); };
  EditBothSets();
  EXPECT_TRUE(Updates().empty());
  size_t loads = 0;
  for (const auto& call : recorder().calls) loads += call.member == "OpenRecordset";
  EXPECT_EQ(loads, 2u);
}

TEST_F(FrmEditPrcCustoTest, SairLeavesWithoutSaving) {
  surface->scenario = [](ScriptedFormSurface& shown) {
    shown.grid->Type(1, kPrice, "7");
    shown.Press("&Sair");
  };
  EditBothSets();
  EXPECT_TRUE(Updates().empty());
  EXPECT_EQ(PriceOf("T1", 2), "NULL");
}

TEST_F(FrmEditPrcCustoTest, AFailedSaveIsShownWithItsChainAndTheFormStaysOpen) {
  bool open_after_save = false;
  surface->scenario = [&](ScriptedFormSurface& shown) {
    grid().Type(1, kPrice, "3");
    recorder().fail_with = Error(kDatabaseError, "SQLite", "disk I/O error");
    recorder().fail_on = "ExecuteCommand";
    shown.Press("&Gravar");
    open_after_save = shown.visible;
  };
  EditBothSets();
  EXPECT_TRUE(open_after_save);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].prompt,
            "Erro -2147217900 - Comandos::HlpDb_LeiturasPrcUnitSet\r\ndisk I/O error");
  EXPECT_EQ(dialogs.boxes[0].buttons, vbExclamation);
  EXPECT_EQ(dialogs.boxes[0].title, "Preços de Custo");
}

TEST_F(FrmEditPrcCustoTest, AFailedFillIsShownAndTheFormStillOpens) {
  Edit({""}, {""});  // no set chosen
  EXPECT_EQ(surface->shown, 1);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_TRUE(dialogs.boxes[0].prompt.starts_with("Erro 5 - ")) << dialogs.boxes[0].prompt;
  EXPECT_EQ(dialogs.boxes[0].title, "Preços de Custo");
}

}  // namespace
}  // namespace pellora::testing
