#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/console/property_grid_surface.h"
#include "runtime/convert.h"

namespace pellora::console {
namespace {

// A window with a document-type item whose choice rebuilds the series item below it, as the
// parameters editor does, and the editor's three buttons, which record their presses.
class ConsolePropertyGridTest : public ::testing::Test {
 protected:
  void Open(bool interactive, PropertyGridScript script = {}) {
    surface_ = std::make_unique<ConsolePropertyGridSurface>(ConsoleTerminal{in_, out_, interactive},
                                                            std::move(script));
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
    type_->SetTag("INVENTDOC");
    type_->AddEntry({"[CMP] Compra", 1, "CMP"});
    type_->AddEntry({"[INV] Inventário", 2, "INV"});
    series_ = &category.AddChildItem(kPropertyItemEnum, "Serie", Variant(""));
    series_->SetId(2);
    series_->SetTag("INVENTSER");
    series_->AddEntry({"[C] Série C", 1, "C"});
    grid.OnValueChanged([this](PropertyItem& item) {
      changes_.push_back(item.Id());
      if (item.Id() != 1) return;
      series_->ClearEntries();
      series_->AddEntry({"[I] Série I", 7, "I"});
    });
  }

  std::istringstream in_;
  std::ostringstream out_;
  std::unique_ptr<ConsolePropertyGridSurface> surface_;
  PropertyItem* type_ = nullptr;
  PropertyItem* series_ = nullptr;
  std::vector<long> changes_;
  std::vector<std::string> pressed_;
};

TEST_F(ConsolePropertyGridTest, PrintsCategoriesAndNumberedItemsWithTheirEntries) {
  Open(false);
  type_->SetValue(Variant(int32_t{2}));
  surface_->Render(out_);
  const std::string shown = out_.str();
  EXPECT_NE(shown.find("== Parâmetros ==\n"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Inventário - Definições do inventário\n"
                       "  1) Tipo de Documento: [INV] Inventário\n"
                       "  2) Serie: (em branco)\n"),
            std::string::npos)
      << shown;
}

TEST_F(ConsolePropertyGridTest, ScriptChoosesByCodeAsTheOperatorWouldThenPressesItsButton) {
  Open(false, {{"INVENTDOC=inv", "INVENTSER=I"}, "confirmar"});
  surface_->ShowModal();
  EXPECT_EQ(changes_, (std::vector<long>{1, 2}));
  EXPECT_EQ(type_->Value(), Variant(int32_t{2}));
  EXPECT_EQ(series_->Value(), Variant(int32_t{7}));  // an entry of the rebuilt list
  EXPECT_EQ(pressed_, (std::vector<std::string>{"&Confirmar"}));
  EXPECT_FALSE(surface_->Visible());
}

// Without a button the script leaves with Sair; a window its button leaves open is closed.
TEST_F(ConsolePropertyGridTest, AScriptAlwaysLeavesTheWindowClosed) {
  for (const auto& [button, pressed] :
       {std::pair{"", "&Sair"}, std::pair{"cancelar", "C&ancelar"}}) {
    pressed_.clear();
    Open(false, {{}, button});
    surface_->ShowModal();
    EXPECT_EQ(pressed_, (std::vector<std::string>{pressed})) << button;
    EXPECT_FALSE(surface_->Visible()) << button;
  }
}

TEST_F(ConsolePropertyGridTest, OnATerminalTheOperatorChoosesItemThenEntryThenAButton) {
  in_.str("1\n2\n1\n\n3\nsair\n");
  Open(true);
  surface_->ShowModal();
  EXPECT_EQ(changes_, (std::vector<long>{1}));
  EXPECT_EQ(type_->Value(), Variant(int32_t{2}));
  EXPECT_EQ(series_->Value(), Variant(""));  // the operator kept it
  EXPECT_EQ(pressed_, (std::vector<std::string>{"&Sair"}));
  EXPECT_NE(out_.str().find("    * 2) [INV] Inventário\n"), std::string::npos) << out_.str();
  EXPECT_NE(out_.str().find("não há o parâmetro 3."), std::string::npos);
}

TEST_F(ConsolePropertyGridTest, OnATerminalAWrongEntryNumberChangesNothing) {
  in_.str("1\n5\nfechar\n");
  Open(true);
  surface_->ShowModal();
  EXPECT_TRUE(changes_.empty());
  EXPECT_TRUE(pressed_.empty());
  EXPECT_FALSE(surface_->Visible());
  EXPECT_NE(out_.str().find("Tipo de Documento: indique o número de uma entrada (1 a 2)."),
            std::string::npos);
}

}  // namespace
}  // namespace pellora::console
