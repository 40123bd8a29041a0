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
  int kind = 0;
  std::string caption;
  std::string description;
  std::string tag;
  long id = 0;
  std::vector<PropertyEntry> entries;
  Variant value;

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const PropertyEntry& entry : entries) texts.push_back(entry.text);
    return texts;
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
  void SetDescription(const std::string& text) override { description = text; }
  void SetTag(const std::string& text) override { tag = text; }
  void ClearEntries() override { entries.clear(); }
  void AddEntry(const PropertyEntry& entry) override { entries.push_back(entry); }
  Variant Value() const override { return value; }
  void SetValue(const Variant& new_value) override { value = new_value; }
};

class ScriptedPropertyCategory : public PropertyCategory {
 public:
  std::string caption;
  std::string description;
  std::vector<std::unique_ptr<ScriptedPropertyItem>> items;

  void SetDescription(const std::string& text) override { description = text; }
  PropertyItem& AddChildItem(PropertyItemKind kind, const std::string& text,
                             const Variant& value) override {
    items.push_back(std::make_unique<ScriptedPropertyItem>());
    items.back()->kind = kind;
    items.back()->caption = text;
    items.back()->value = value;
    return *items.back();
  }
};

class ScriptedPropertyGrid : public PropertyGrid {
 public:
  std::vector<std::unique_ptr<ScriptedPropertyCategory>> categories;
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

  PropertyCategory& AddCategory(const std::string& caption) override {
    categories.push_back(std::make_unique<ScriptedPropertyCategory>());
    categories.back()->caption = caption;
    return *categories.back();
  }
  PropertyItem* FindItem(long id) override {
    for (const auto& category : categories) {
      for (const auto& item : category->items) {
        if (item->id == id) return item.get();
      }
    }
    return nullptr;
  }
  void OnValueChanged(ValueChanged handler) override { value_changed = std::move(handler); }
};

// The scripted form with a property grid; its modal run is the test's scenario. With
// `hide_fails` the toolkit fails to hide it, with a failure of its own.
class ScriptedGridSurface : public PropertyGridSurface {
 public:
  ScriptedFormSurface form;
  ScriptedPropertyGrid grid;
  bool hide_fails = false;

  void SetCaption(const std::string& caption) override { form.SetCaption(caption); }
  ComboBox& AddComboBox(const std::string& label) override { return form.AddComboBox(label); }
  PushButton& AddPushButton(const std::string& caption) override {
    return form.AddPushButton(caption);
  }
  DataGrid& AddDataGrid() override { return form.AddDataGrid(); }
  PropertyGrid& AddPropertyGrid() override { return grid; }
  void ShowModal() override { form.ShowModal(); }
  void Hide() override {
    if (hide_fails) throw std::runtime_error("a janela não respondeu");
    form.Hide();
  }
  void SetKeyPreview(KeyPress handler) override { form.SetKeyPreview(std::move(handler)); }
  void MoveFocusNext() override { form.MoveFocusNext(); }
};

const char kConfirmar[] = "&Confirmar";
const char kCancelar[] = "C&ancelar";
const char kSair[] = "&Sair";

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

  void Edit(std::function<void(ScriptedFormSurface&)> scenario) {
    surface->form.scenario = std::move(scenario);
    form.Editar();
  }

  ScriptedPropertyItem& Item(long id) { return surface->grid.Item(id); }

  RecordingDialogs dialogs;
  ScriptedGridSurface* surface = new ScriptedGridSurface;
  FrmConfiguracao form{PropertyGridSurfacePtr(surface), dialogs};
};

// Entries in catalogue order, each carrying its row's position and code; captions are checked on
// the window itself.
TEST_F(FrmConfiguracaoTest, BuildsTheWindowFromTheParameterTable) {
  Edit([](ScriptedFormSurface&) {});
  std::vector<long> ids;
  for (const auto& category : surface->grid.categories) {
    for (const auto& item : category->items) {
      ids.push_back(item->id);
      EXPECT_EQ(item->kind, kPropertyItemEnum);
    }
  }
  EXPECT_EQ(ids, (std::vector<long>{1000, 1001, 1008, 1009, 1002, 1003, 1004, 1005, 1006, 1007,
                                    1010, 1011, 1015, 1016, 1012, 1013, 1014, 1030, 1031, 1032,
                                    1033, 1034, 1035, 1036, 1037, 1038, 1039, 1040, 1041}));
  EXPECT_EQ(Item(1016).tag, "BRGSERIEPART");
  EXPECT_EQ(Item(1000).Texts(), (std::vector<std::string>{"Alfa", "Zeta Braga"}));
  EXPECT_EQ(Item(1000).entries[1].data, 2);
  EXPECT_EQ(Item(1000).entries[1].code, "F1");
  EXPECT_EQ(Item(1011).Texts(), (std::vector<std::string>{"Central", "Norte"}));
  EXPECT_EQ(Item(1030).Texts(),
            (std::vector<std::string>{"[CMP] Compra", "[ENC] Encomenda", "[INV] Inventário"}));
  EXPECT_EQ(Item(1041).Texts(), (std::vector<std::string>{"[S1] Loja", "[S2] Armazém"}));
}

// An empty table shows every item blank and, without a stored type, every series; Confirmar
// saves one row with the choices.
TEST_F(FrmConfiguracaoTest, ConfirmarOnAnEmptyTableSavesOneRowWithTheChoices) {
  Edit([this](ScriptedFormSurface& window) {
    for (const auto& category : surface->grid.categories) {
      for (const auto& item : category->items) {
        EXPECT_EQ(item->value, Variant(int32_t{0})) << item->id;
      }
    }
    EXPECT_EQ(Item(1003).entries.size(), 4u);
    surface->grid.Choose(1000, "F1");
    surface->grid.Choose(1030, "INV");
    surface->grid.Choose(1031, "I");
    window.Press(kConfirmar);
    EXPECT_FALSE(window.visible);
  });
  EXPECT_EQ(Stored({"LBXFORNBRAGA", "INVENTDOC", "INVENTSER", "TRANSFSEC", "LBXARMAZEM"}),
            "F1,INV,I,, (1)");
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(FrmConfiguracaoTest, AStoredCodeMissingFromItsCatalogueShowsBlankAndIsKept) {
  Store({{"LBXARMAZEM", "ZZ"}, {"INVENTDOC", "INV"}, {"INVENTSER", "I"}, {"INVENTSEC", "S2"}});
  Edit([this](ScriptedFormSurface& window) {
    EXPECT_EQ(Item(1001).value, Variant(int32_t{0}));
    EXPECT_EQ(Item(1030).Shown(), "[INV] Inventário");
    EXPECT_EQ(Item(1031).Texts(), (std::vector<std::string>{"[I] Série I"}));
    EXPECT_EQ(Item(1031).Shown(), "[I] Série I");
    EXPECT_EQ(Item(1032).Shown(), "[S2] Armazém");
    surface->grid.Choose(1011, "A1");
    window.Press(kConfirmar);
  });
  EXPECT_EQ(Stored({"LBXARMAZEM", "BRGARMAZEM"}), "ZZ,A1 (1)");
}

TEST_F(FrmConfiguracaoTest, ADocumentTypeRestrictsItsSeriesAndKeepsTheStoredSeries) {
  Store({{"LBXENCFORDOC", "ENC"}, {"LBXENCFORSER", "B"}});
  Edit([this](ScriptedFormSurface& window) {
    EXPECT_EQ(Item(1003).Texts(), (std::vector<std::string>{"[A] Série A", "[B] Série B"}));
    EXPECT_EQ(Item(1003).Shown(), "[B] Série B");
    surface->grid.Choose(1002, "CMP");
    EXPECT_EQ(Item(1003).Texts(), (std::vector<std::string>{"[C] Série C"}));
    EXPECT_EQ(Item(1006).entries.size(), 4u);  // other series items are left alone
    window.Press(kConfirmar);
  });
  EXPECT_EQ(Stored({"LBXENCFORDOC", "LBXENCFORSER"}), "CMP,B (1)");
}

TEST_F(FrmConfiguracaoTest, CancelarShowsTheStoredRowAgainWithEverySeriesListRebuilt) {
  Store({{"LBXENCFORDOC", "ENC"}, {"LBXENCFORSER", "A"}, {"TRANSFDOC", "CMP"}});
  Edit([this](ScriptedFormSurface& window) {
    surface->grid.Choose(1002, "INV");
    surface->grid.Choose(1003, "I");
    surface->grid.Choose(1039, "ENC");
    surface->grid.Choose(1001, "A2");
    window.Press(kCancelar);
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(Item(1002).Shown(), "[ENC] Encomenda");
    EXPECT_EQ(Item(1003).Texts(), (std::vector<std::string>{"[A] Série A", "[B] Série B"}));
    EXPECT_EQ(Item(1003).Shown(), "[A] Série A");
    EXPECT_EQ(Item(1040).Texts(), (std::vector<std::string>{"[C] Série C"}));
    EXPECT_EQ(Item(1040).value, Variant(int32_t{0}));
    EXPECT_EQ(Item(1001).value, Variant(int32_t{0}));
    window.Press(kConfirmar);
  });
  EXPECT_EQ(Stored({"LBXENCFORDOC", "LBXENCFORSER", "TRANSFDOC", "LBXARMAZEM"}), "ENC,A,CMP, (1)");
}

// The procedures' error chain: each private procedure names itself and carries the previous
// source and description; Editar shows the description under the source (a lookup in an empty
// catalogue fails under its own name), a button shows source and description under
// "Configuração".
TEST_F(FrmConfiguracaoTest, FailuresCarryTheChainOfProceduresToTheMessage) {
  const struct {
    const char* sql;
    const char* title;
    const char* prompt;
  } cases[] = {
      // in this order: the second case keeps the first one's empty catalogue
      {"DELETE FROM SECTORES", "pFrmPropSetValues", "pFrmPropSetConstraintsSectorValue\r\n"},
      {"DROP TABLE ARMAZENS", "pForeignKeyTablesOpenLoad", "Comandos::HlpDb_ArmazensGet\r\n"}};
  for (const auto& given : cases) {
    Exec(given.sql);
    dialogs.boxes.clear();
    Edit([](ScriptedFormSurface&) { ADD_FAILURE() << "shown"; });
    ASSERT_EQ(dialogs.boxes.size(), 1u) << given.sql;
    EXPECT_EQ(dialogs.boxes[0].title, given.title);
    EXPECT_EQ(dialogs.boxes[0].buttons, vbExclamation);
    EXPECT_EQ(dialogs.boxes[0].prompt.rfind(given.prompt, 0), 0u) << dialogs.boxes[0].prompt;
  }
}

TEST_F(FrmConfiguracaoTest, AFailingButtonShowsTheChainAndLeavesTheWindowOpen) {
  Store({{"LBXENCFORDOC", "ENC"}});
  Edit([this](ScriptedFormSurface& window) {
    Exec("DROP TABLE NOMSERIE");
    window.Press(kCancelar);
    EXPECT_TRUE(window.visible);
    surface->grid.Choose(1001, "A1");
    Exec("DROP TABLE oru_PARAMETROSEXP");
    window.Press(kConfirmar);
    EXPECT_TRUE(window.visible);
    surface->hide_fails = true;
    window.Press(kSair);
    EXPECT_TRUE(window.visible);
  });
  ASSERT_EQ(dialogs.boxes.size(), 3u);
  EXPECT_EQ(dialogs.boxes[0].title, "Configuração");
  EXPECT_EQ(dialogs.boxes[0].buttons, vbExclamation);
  EXPECT_EQ(
      dialogs.boxes[0].prompt.rfind("pFrmPropSetValues\r\n\r\npFrmPropSetConstraintsSeries\r\n"
                                    "Comandos::HlpDb_SeriesGet\r\n",
                                    0),
      0u)
      << dialogs.boxes[0].prompt;
  EXPECT_EQ(
      dialogs.boxes[1].prompt.rfind("pParametrosSave\r\n\r\nComandos::HlpDb_ParametrosSave\r\n", 0),
      0u)
      << dialogs.boxes[1].prompt;
  EXPECT_EQ(dialogs.boxes[2].title, "Configuração");
  EXPECT_EQ(dialogs.boxes[2].prompt, "a janela não respondeu");
}

}  // namespace
}  // namespace pellora::testing
