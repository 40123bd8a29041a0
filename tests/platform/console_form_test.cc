// The console's windows on the operator's terminal: forms of lists, grids and buttons, and the
// parameters editor's property grid.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/console/form_surface.h"
#include "platform/console/property_grid_surface.h"
#include "runtime/convert.h"
#include "tests/platform/console_streams.h"
#include "tests/runtime/recordset_testing.h"

namespace pellora::console {
namespace {

// The operator's terminal on a transfer-like pair of lists and a cost-like grid, wired as the
// forms wire them: Enter moves the focus, the type list refills the series, the buttons hide.
// The scripts that drive the same forms are the pellora command's.
class ConsoleFormTest : public ::testing::Test, protected ConsoleStreams {
 protected:
  ConsoleFormSurface& Form(bool interactive, FormScripts scripts = {}) {
    form_ = std::make_unique<ConsoleFormSurface>(
        ConsoleTerminal{in_, out_, interactive}, std::move(scripts),
        [this](const std::string& reason) { refusals_.push_back(reason); });
    form_->SetKeyPreview([this](int& key) {
      if (key != 13) return;
      key = 0;
      form_->MoveFocusNext();
    });
    return *form_;
  }

  void TransferLists(ConsoleFormSurface& form) {
    form.SetCaption("Transferências de Armazens");
    warehouses_ = &form.AddComboBox("Armazém Destino");
    types_ = &form.AddComboBox("Tipo Documento");
    series_ = &form.AddComboBox("Série");
    for (const char* item : {"[A1] Central", "[A2] Norte"}) warehouses_->AddItem(item);
    for (const char* item : {"[TR1] Transferência", "[TR2] Guia"}) types_->AddItem(item);
    warehouses_->SetListIndex(0);
    types_->OnClick([this] {
      series_->Clear();
      series_->AddItem("[" + types_->Text().substr(1, 3) + "-S] Série");
      series_->SetListIndex(0);
    });
    form.AddPushButton("&Confirmar").OnClick([this] {
      pressed_.push_back("Confirmar");
      form_->Hide();
    });
  }

  void CostGrid(ConsoleFormSurface& form) {
    form.SetCaption("Valores de Inventário");
    auto readings = std::make_shared<Recordset>();
    readings->AppendField("TerminalId", adVarWChar, 20);
    readings->AppendField("Artigo", adVarWChar, 30);
    readings->AppendField("Quantidade", adDouble);
    readings->AppendField("PrecoUnitario", adDouble);
    testing::LoadAndOpen(*readings,
                         {{"T1", "A1", 1234.5, Variant::Null()}, {"T1", "A2", 2.0, 1.25}});
    grid_ = &form.AddDataGrid();
    grid_->Bind(readings);
    grid_->SetColumn("TerminalId", {"TerminalId", 0, "", true, false});
    grid_->SetColumn("Artigo", {"Artigo", 800, "", false, true});
    grid_->SetColumn("Quantidade", {"Contagem", 1300, "###,###.#0", false, false});
    grid_->SetColumn("PrecoUnitario", {"Preço Unitário", 1300, "#,###.###0", false, false});
    grid_->OnBeforeUpdate([](const std::string& field, const Variant& value, bool& cancel) {
      if (field == "PrecoUnitario" && (!IsNumeric(value) || CDbl(value) < 0)) cancel = true;
    });
    form.AddPushButton("&Gravar").OnClick([this] { pressed_.push_back("Gravar"); });  // stays open
  }

  std::unique_ptr<ConsoleFormSurface> form_;
  ComboBox* warehouses_ = nullptr;
  ComboBox* types_ = nullptr;
  ComboBox* series_ = nullptr;
  DataGrid* grid_ = nullptr;
  std::vector<std::string> pressed_;
  std::vector<std::string> refusals_;
};

TEST_F(ConsoleFormTest, OnATerminalTheOperatorChoosesByNumberWalksWithEnterAndPresses) {
  in_.str("2\n\n7\n1\nCONFIRMAR\n");
  ConsoleFormSurface& form = Form(true);
  TransferLists(form);
  form.ShowModal();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(warehouses_->Text() + types_->Text() + series_->Text(),
            "[A2] Norte[TR1] Transferência[TR1-S] Série");  // the click refilled the series
  EXPECT_EQ(pressed_, std::vector<std::string>{"Confirmar"});
  ExpectShown(
      {"== Transferências de Armazens ==\n> Armazém Destino\n"
       "    * 1) [A1] Central\n      2) [A2] Norte\n",
       "Tipo Documento: indique o número de um item (1 a 2).", "> Tipo Documento\n",
       "Botões: [Confirmar]\n"});
}

TEST_F(ConsoleFormTest, OnATerminalTheOperatorTypesCellsByRowAndColumn) {
  in_.str("2 3 -1\n2 3 7,5\n1 1 B9\n1 2 abc\n9 3 1\n");  // then the end of input
  ConsoleFormSurface& form = Form(true);
  CostGrid(form);
  form.ShowModal();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ((std::vector<Variant>{
                grid_->CellValue(1, "PrecoUnitario"), grid_->CellLoadedValue(1, "PrecoUnitario"),
                grid_->CellValue(0, "Artigo"), grid_->CellValue(0, "Quantidade")}),
            (std::vector<Variant>{7.5, 1.25, "A1", 1234.5}));
  const size_t refused = out_.str().find("Linhas: valor recusado.\n");  // -1 as a price, "abc"
  EXPECT_NE(out_.str().find("Linhas: valor recusado.\n", refused + 1), std::string::npos);
  ExpectShown(
      {"     # | 1 Artigo | 2 Contagem    | 3 Preço Unitário\n"
       "     1 | A1       | 1.234,50      |\n"
       "     2 | A2       | 2,00          | 1,2500\n",
       "Linhas: a coluna Artigo não é editável.\n",
       "Linhas: indique linha, coluna e valor (por exemplo \"1 3 12,5\").\n"});
  EXPECT_TRUE(pressed_.empty());
}

TEST_F(ConsoleFormTest, ACostScriptTheGridRefusesSavesNothing) {
  ConsoleFormSurface& form = Form(false, {UnitCostScript({"A1=2,5", "A2=-1"})});
  CostGrid(form);
  form.ShowModal();
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(pressed_.empty());
  EXPECT_EQ(refusals_, std::vector<std::string>{"Artigo A2: o valor -1 foi recusado."});
  CostGrid(Form(false));  // no script for the form: closed as with its close box
  form_->ShowModal();
  EXPECT_FALSE(form_->Visible());
  ExpectShown({"[Valores de Inventário] sem resposta: a janela foi fechada.\n"});
}

// A window with a document-type item whose choice rebuilds the series item below it, as the
// parameters editor does, and the editor's three buttons, which record their presses. The
// scripts that drive the editor are the pellora command's.
class ConsolePropertyGridTest : public ::testing::Test, protected ConsoleStreams {
 protected:
  void Open() {
    surface_ = std::make_unique<ConsolePropertyGridSurface>(ConsoleTerminal{in_, out_, true},
                                                            PropertyGridScript{});
    surface_->SetCaption("Parâmetros");
    for (const char* caption : {"&Confirmar", "C&ancelar", "&Sair"}) {
      surface_->AddPushButton(caption).OnClick([this, caption] {
        pressed_.push_back(caption);
        if (std::string(caption) != "C&ancelar") surface_->Hide();
      });
    }
    PropertyGrid& grid = surface_->AddPropertyGrid();
    PropertyCategory& category = grid.AddCategory("Inventário");
    category.SetDescription("Definições do inventário");
    type_ = &category.AddChildItem(kPropertyItemEnum, "Tipo de Documento", Variant(""));
    type_->SetId(1);
    type_->AddEntry({"[CMP] Compra", 1, "CMP"});
    type_->AddEntry({"[INV] Inventário", 2, "INV"});
    series_ = &category.AddChildItem(kPropertyItemEnum, "Serie", Variant(""));
    series_->SetId(2);
    series_->AddEntry({"[C] Série C", 1, "C"});
    grid.OnValueChanged([this](PropertyItem& item) {
      changes_.push_back(item.Id());
      if (item.Id() != 1) return;
      series_->ClearEntries();
      series_->AddEntry({"[I] Série I", 7, "I"});
    });
  }

  std::unique_ptr<ConsolePropertyGridSurface> surface_;
  PropertyItem* type_ = nullptr;
  PropertyItem* series_ = nullptr;
  std::vector<long> changes_;
  std::vector<std::string> pressed_;
};

TEST_F(ConsolePropertyGridTest, OnATerminalTheOperatorChoosesItemThenEntryThenAButton) {
  in_.str("1\n2\n1\n\n3\nsair\n");
  Open();
  surface_->ShowModal();
  EXPECT_EQ(changes_, (std::vector<long>{1}));
  EXPECT_EQ(type_->Value(), Variant(int32_t{2}));
  EXPECT_EQ(series_->Value(), Variant(""));  // the operator kept it
  EXPECT_EQ(pressed_, (std::vector<std::string>{"&Sair"}));
  ExpectShown({"== Parâmetros ==\n",
               "Inventário - Definições do inventário\n"
               "  1) Tipo de Documento: (em branco)\n  2) Serie: (em branco)\n",
               "    * 2) [INV] Inventário\n", "não há o parâmetro 3."});
}

TEST_F(ConsolePropertyGridTest, OnATerminalAWrongEntryNumberChangesNothing) {
  in_.str("1\n5\nfechar\n");
  Open();
  surface_->ShowModal();
  EXPECT_TRUE(changes_.empty());
  EXPECT_TRUE(pressed_.empty());
  EXPECT_FALSE(surface_->Visible());
  ExpectShown({"Tipo de Documento: indique o número de uma entrada (1 a 2)."});
}

}  // namespace
}  // namespace pellora::console
