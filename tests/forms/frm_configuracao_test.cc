#include "forms/frm_configuracao.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "dal/dal_comandos.h"
#include "runtime/convert.h"
#include "tests/dal/company_fixture.h"
#include "tests/forms/scripted_controls.h"
#include "tests/parameter_columns.h"

namespace pellora::testing {
namespace {

class ScriptedPropertyItem : public PropertyItem {
 public:
  long id = 0;
  std::vector<PropertyEntry> entries;
  Variant value;

  // The entries' texts, then what the item shows.
  std::string Look() const {
    std::string look;
    for (const PropertyEntry& entry : entries) look += entry.text + ";";
    return look + " = " + Shown();
  }
  // The text of the entry the value designates; "" when the item shows blank.
  std::string Shown() const {
    for (const PropertyEntry& entry : entries) {
      if (value.IsNumber() && entry.data == CLng(value)) return entry.text;
    }
    return "";
  }

  long Id() const override { return id; }
  void SetId(long new_id) override { id = new_id; }
  void SetDescription(const std::string&) override {}
  void SetTag(const std::string&) override {}
  void ClearEntries() override { entries.clear(); }
  void AddEntry(const PropertyEntry& entry) override { entries.push_back(entry); }
  Variant Value() const override { return value; }
  void SetValue(const Variant& new_value) override { value = new_value; }
};

// The grid and its one category: the items of every category, in the order added.
class ScriptedPropertyGrid : public PropertyGrid, public PropertyCategory {
 public:
  std::vector<std::unique_ptr<ScriptedPropertyItem>> items;
  ValueChanged value_changed;

  ScriptedPropertyItem& Item(long id) {
    if (PropertyItem* item = FindItem(id)) return static_cast<ScriptedPropertyItem&>(*item);
    throw std::out_of_range("item " + std::to_string(id));
  }
  // The operator chooses the entry of host code `code` in item `id`.
  void Choose(long id, const std::string& code) {
    ScriptedPropertyItem& item = Item(id);
    for (const PropertyEntry& entry : item.entries) {
      if (entry.code != code) continue;
      item.value = Variant(entry.data);
      value_changed(item);
      return;
    }
    ADD_FAILURE() << "no entry " << code << " in item " << id;
  }

  PropertyCategory& AddCategory(const std::string&) override { return *this; }
  void SetDescription(const std::string&) override {}
  PropertyItem& AddChildItem(PropertyItemKind, const std::string&, const Variant& value) override {
    items.push_back(std::make_unique<ScriptedPropertyItem>());
    items.back()->value = value;
    return *items.back();
  }
  PropertyItem* FindItem(long id) override {
    for (const auto& item : items) {
      if (item->id == id) return item.get();
    }
    return nullptr;
  }
  void OnValueChanged(ValueChanged handler) override { value_changed = std::move(handler); }
};

// The scripted form with a property grid. With `hide_fails` the toolkit fails to hide it, with a
// failure of its own.
class ScriptedGridSurface : public ScriptedSurface<PropertyGridSurface> {
 public:
  ScriptedPropertyGrid property_grid;
  bool hide_fails = false;

  PropertyGrid& AddPropertyGrid() override { return property_grid; }
  void Hide() override {
    if (hide_fails) throw std::runtime_error("a janela não respondeu");
    ScriptedSurface::Hide();
  }
};

// The editor on a company with a few catalogue rows and an empty parameters table.
class FrmConfiguracaoTest : public CompanyTest {
 protected:
  void SetUp() override {
    CompanyTest::SetUp();
    HlpDb_ParametrosCreate();
    Exec(
        "INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER) VALUES ('INV', 'Inventário', 4, 3), "
        "('CMP', 'Compra', 4, 1), ('ENC', 'Encomenda', 3, 1);"
        "INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR) VALUES ('ENC', 'A', 'Série A'), "
        "('ENC', 'B', 'Série B'), ('CMP', 'C', 'Série C'), ('INV', 'I', 'Série I');"
        "INSERT INTO SECTORES (CODIGO, DESCR) VALUES ('S1', 'Loja'), ('S2', 'Armazém');"
        "INSERT INTO ARMAZENS (CODIGO, NOME) VALUES ('A1', 'Central'), ('A2', 'Norte');"
        "INSERT INTO CLIENTES (CODIGO, NOME) VALUES ('C1', 'Lisboa Lda');"
        "INSERT INTO FORNEC (CODIGO, NOME) VALUES ('F1', 'Zeta Braga'), ('F2', 'Alfa');");
  }

  // A stored row: the given columns, every other parameter empty.
  void Store(const std::map<std::string, std::string>& values) {
    Exec(ParametersInsert([&](const std::string& column) {
      const auto value = values.find(column);
      return "'" + (value == values.end() ? std::string() : value->second) + "'";
    }));
  }

  // The stored row's columns joined by ",", and how many rows there are.
  std::string Stored(const std::vector<std::string>& columns) {
    std::string select;
    for (const std::string& column : columns)
      select += (select.empty() ? "" : " || ',' || ") + column;
    return Text("SELECT " + select + " FROM oru_PARAMETROSEXP") + " (" +
           Text("SELECT COUNT(*) FROM oru_PARAMETROSEXP") + ")";
  }

  void Edit(std::function<void(ScriptedSurface<PropertyGridSurface>&)> scenario) {
    surface->scenario = std::move(scenario);
    form.Editar();
  }

  ScriptedPropertyItem& Item(long id) { return surface->property_grid.Item(id); }

  // The message boxes shown, each "title: prompt" starting as given, with the exclamation.
  void ExpectBoxes(const std::vector<std::string>& starts) {
    ASSERT_EQ(dialogs.boxes.size(), starts.size());
    for (size_t i = 0; i < starts.size(); ++i) {
      const std::string box = dialogs.boxes[i].title + ": " + dialogs.boxes[i].prompt;
      EXPECT_TRUE(box.starts_with(starts[i])) << box;
      EXPECT_EQ(dialogs.boxes[i].buttons, vbExclamation) << box;
    }
  }

  RecordingDialogs dialogs;
  ScriptedGridSurface* surface = new ScriptedGridSurface;
  FrmConfiguracao form{PropertyGridSurfacePtr(surface), dialogs};
};

// Without a stored type every series is offered; Confirmar on an empty table saves one row.
// Cancelar shows the stored row again, with every series list rebuilt.
TEST_F(FrmConfiguracaoTest, ConfirmarOnAnEmptyTableSavesOneRowAndCancelarShowsItAgain) {
  const auto choose = [this](std::initializer_list<std::pair<long, const char*>> choices) {
    for (const auto& [id, code] : choices) surface->property_grid.Choose(id, code);
  };
  Edit([&](auto& window) {
    EXPECT_EQ(Item(1003).entries.size(), 4u);
    choose({{1000, "F1"}, {1030, "INV"}, {1031, "I"}, {1002, "ENC"}, {1003, "A"}, {1039, "CMP"}});
    window.Press("&Confirmar");
    EXPECT_FALSE(window.visible);
  });
  const std::vector<std::string> columns = {"LBXFORNBRAGA", "INVENTDOC",    "INVENTSER",
                                            "LBXENCFORDOC", "LBXENCFORSER", "TRANSFDOC",
                                            "LBXARMAZEM"};
  EXPECT_EQ(Stored(columns), "F1,INV,I,ENC,A,CMP, (1)");
  Edit([&](auto& window) {
    choose({{1002, "INV"}, {1003, "I"}, {1039, "ENC"}, {1001, "A2"}});
    window.Press("C&ancelar");
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(Item(1002).Shown(), "[ENC] Encomenda");
    EXPECT_EQ(Item(1003).Look(), "[A] Série A;[B] Série B; = [A] Série A");
    EXPECT_EQ(Item(1040).Look(), "[C] Série C; = ");
    EXPECT_EQ(Item(1001).Shown(), "");
    window.Press("&Confirmar");
  });
  EXPECT_EQ(Stored(columns), "F1,INV,I,ENC,A,CMP, (1)");
}

// A code stored but missing from its catalogue shows blank and is saved again as it was; a
// document type offers only its series, and a type chosen keeps the stored series.
TEST_F(FrmConfiguracaoTest, StoredCodesShowAndAreKeptAndATypeRestrictsItsSeries) {
  Store({{"LBXARMAZEM", "ZZ"},
         {"INVENTDOC", "INV"},
         {"INVENTSER", "I"},
         {"INVENTSEC", "S2"},
         {"LBXENCFORDOC", "ENC"},
         {"LBXENCFORSER", "B"}});
  Edit([this](auto& window) {
    EXPECT_EQ(Item(1001).Look(), "Central;Norte; = ");
    EXPECT_EQ(Item(1030).Shown(), "[INV] Inventário");
    EXPECT_EQ(Item(1031).Look(), "[I] Série I; = [I] Série I");
    EXPECT_EQ(Item(1032).Shown(), "[S2] Armazém");
    EXPECT_EQ(Item(1003).Look(), "[A] Série A;[B] Série B; = [B] Série B");
    surface->property_grid.Choose(1002, "CMP");
    EXPECT_EQ(Item(1003).Look(), "[C] Série C; = ");
    EXPECT_EQ(Item(1006).entries.size(), 4u);  // other series items are left alone
    surface->property_grid.Choose(1011, "A1");
    window.Press("&Confirmar");
  });
  EXPECT_EQ(Stored({"LBXARMAZEM", "BRGARMAZEM", "LBXENCFORDOC", "LBXENCFORSER"}),
            "ZZ,A1,CMP,B (1)");
}

// The procedures' error chain: each private procedure names itself and carries the previous
// source and description. Editar shows the description under the source (a lookup in an empty
// catalogue fails under its own name) and shows no window.
TEST_F(FrmConfiguracaoTest, FailuresWhileOpeningCarryTheChainOfProceduresToTheMessage) {
  // in this order: the second keeps the first one's empty catalogue
  for (const char* sql : {"DELETE FROM SECTORES", "DROP TABLE ARMAZENS"}) {
    Exec(sql);
    Edit([](auto&) { ADD_FAILURE() << "shown"; });
  }
  ExpectBoxes({"pFrmPropSetValues: pFrmPropSetConstraintsSectorValue\r\n",
               "pForeignKeyTablesOpenLoad: Comandos::HlpDb_ArmazensGet\r\n"});
}

// A button shows source and description under "Configuração" and leaves the window open, as
// does a window that fails to hide.
TEST_F(FrmConfiguracaoTest, AFailingButtonShowsTheChainAndLeavesTheWindowOpen) {
  Store({{"LBXENCFORDOC", "ENC"}});
  Edit([this](auto& window) {
    Exec("DROP TABLE NOMSERIE");
    window.Press("C&ancelar");
    EXPECT_TRUE(window.visible);
    surface->property_grid.Choose(1001, "A1");
    Exec("DROP TABLE oru_PARAMETROSEXP");
    window.Press("&Confirmar");
    EXPECT_TRUE(window.visible);
    surface->hide_fails = true;
    window.Press("&Sair");
    EXPECT_TRUE(window.visible);
  });
  ExpectBoxes(
      {"Configuração: pFrmPropSetValues\r\n\r\npFrmPropSetConstraintsSeries\r\n"
       "Comandos::HlpDb_SeriesGet\r\n",
       "Configuração: pParametrosSave\r\n\r\nComandos::HlpDb_ParametrosSave\r\n",
       "Configuração: a janela não respondeu"});
}

}  // namespace
}  // namespace pellora::testing
