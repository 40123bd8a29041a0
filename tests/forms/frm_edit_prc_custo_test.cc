#include "forms/frm_edit_prc_custo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/convert.h"
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

// The first set's readings, with only the count and the price open to the operator; captions and
// hidden columns are checked on the window itself.
TEST_F(FrmEditPrcCustoTest, ShowsTheFirstSetsReadingsWithOnlyCountAndPriceEditable) {
  EditBothSets();
  EXPECT_EQ(surface->shown, 1);
  std::string articles;
  for (long row = 0; row < grid().RowCount(); ++row) {
    articles += CStr(grid().CellValue(row, "Artigo")) + ";";
  }
  EXPECT_EQ(articles, "A1;A2;A1;");
  EXPECT_EQ(grid().redraws, (std::vector<bool>{false, true}));
  std::vector<std::string> editable;
  for (const auto& [field, column] : grid().columns) {
    if (!column.locked && !column.hidden) editable.push_back(field);
  }
  EXPECT_EQ(editable, (std::vector<std::string>{kPrice, "Quantidade"}));
  EXPECT_EQ(grid().columns.size(), grid().bound->FieldCount());
}

// A zero price is taken; the window refuses a negative or non-numeric one.
TEST_F(FrmEditPrcCustoTest, TheGridTakesAZeroPrice) {
  surface->scenario = [&](ScriptedFormSurface&) {
    EXPECT_FALSE(grid().Type(0, kPrice, "-1"));
    EXPECT_TRUE(grid().Type(0, kPrice, "0"));
  };
  EditBothSets();
  EXPECT_EQ(grid().CellValue(0, kPrice), Variant(0.0));
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

// Gravar without changes writes nothing and reloads; Sair leaves without saving.
TEST_F(FrmEditPrcCustoTest, GravarWithoutChangesAndSairWriteNothing) {
  surface->scenario = [](ScriptedFormSurface& shown) {
    shown.Press("&Gravar");
    shown.grid->Type(1, kPrice, "7");
    shown.Press("&Sair");
  };
  EditBothSets();
  EXPECT_TRUE(Updates().empty());
  EXPECT_EQ(recorder().CallsWith("OpenRecordset").size(), 2u);
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
