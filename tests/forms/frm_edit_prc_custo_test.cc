#include "forms/frm_edit_prc_custo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/dal/company_fixture.h"
#include "tests/forms/scripted_controls.h"

namespace pellora::testing {
namespace {

const char kPrice[] = "PrecoUnitario";

// The cost editor on a real company, on both sets: T1/S1 holds A1 (twice, one with a price) and
// A2; T2/S2 holds A3 and A1.
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

  void Edit(std::function<void(ScriptedDataGrid& grid, ScriptedFormSurface& shown)> scenario,
            std::vector<std::string> terminals = {"", "T1", "T2"},
            std::vector<std::string> syncs = {"", "S1", "S2"}) {
    surface->scenario = [&](ScriptedFormSurface& shown) { scenario(*shown.grid, shown); };
    form.Editar(terminals, syncs);
  }
  // The prices of the readings T1/1, T1/2, T1/3, T2/1 and T2/2.
  std::string Prices() {
    std::string prices;
    for (const auto& [terminal, line] :
         {std::pair{"T1", '1'}, {"T1", '2'}, {"T1", '3'}, {"T2", '1'}, {"T2", '2'}}) {
      prices += Text(std::string("SELECT PrecoUnitario FROM oru_ARM_Picking_Movimentos WHERE "
                                 "TerminalId = '") +
                     terminal + "' AND NumeroLinha = " + line) +
                " ";
    }
    return prices;
  }

  RecordingDialogs dialogs;
  ScriptedFormSurface* surface = new ScriptedFormSurface;
  frmEditPrcCusto form{FormSurfacePtr(surface), dialogs};
};

// A negative price is refused and zero taken; Gravar writes the changed price of an article on
// its every reading in every chosen set, leaves a price typed as loaded alone, and shows the
// stored prices again, the window open.
TEST_F(FrmEditPrcCustoTest, GravarSavesOnlyChangedPricesOnEveryChosenSetAndRefills) {
  bool open_after_save = false;
  Edit([](ScriptedDataGrid& grid, ScriptedFormSurface& shown) {
    EXPECT_FALSE(grid.Type(1, kPrice, "-1"));
    EXPECT_TRUE(grid.Type(1, kPrice, "0"));
    EXPECT_EQ(grid.CellValue(1, kPrice), Variant(0.0));
    shown.Press("&Sair");
  });
  Edit([&](ScriptedDataGrid& grid, ScriptedFormSurface& shown) {
    ASSERT_TRUE(grid.Type(0, kPrice, "2,5"));
    ASSERT_TRUE(grid.Type(2, kPrice, "1,5"));  // the price it was loaded with
    shown.Press("&Gravar");
    open_after_save = shown.visible;
    EXPECT_EQ(grid.CellLoadedValue(0, kPrice), Variant(2.5));
  });
  EXPECT_TRUE(open_after_save);
  EXPECT_EQ(Prices(), "2.5 NULL 2.5 NULL 2.5 ");
  EXPECT_EQ(recorder().CallsWith("ExecuteCommand").size(), 1u);
  EXPECT_TRUE(dialogs.boxes.empty());
}

// A failed save keeps the window open; a failed fill still opens it. Each says so under the
// window's title.
TEST_F(FrmEditPrcCustoTest, FailuresAreShownWithTheirChain) {
  Edit([&](ScriptedDataGrid& grid, ScriptedFormSurface& shown) {
    grid.Type(1, kPrice, "3");
    recorder().fail_with = Error(kDatabaseError, "SQLite", "disk I/O error");
    recorder().fail_on = "ExecuteCommand";
    shown.Press("&Gravar");
    EXPECT_TRUE(shown.visible);
  });
  Edit([](ScriptedDataGrid&, ScriptedFormSurface&) {}, {""}, {""});  // no set chosen
  EXPECT_EQ(surface->shown, 2);
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[0].prompt,
            "Erro -2147217900 - Comandos::HlpDb_LeiturasPrcUnitSet\r\ndisk I/O error");
  EXPECT_TRUE(dialogs.boxes[1].prompt.starts_with("Erro 5 - ")) << dialogs.boxes[1].prompt;
  for (const auto& box : dialogs.boxes)
    EXPECT_EQ(box.title + " " + std::to_string(box.buttons),
              "Preços de Custo " + std::to_string(vbExclamation));
}

}  // namespace
}  // namespace pellora::testing
