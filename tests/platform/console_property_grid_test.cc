#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/console/property_grid_surface.h"
#include "runtime/convert.h"
#include "tests/platform/console_streams.h"

namespace pellora::console {
namespace {

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
