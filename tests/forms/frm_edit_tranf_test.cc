#include "forms/frm_edit_tranf.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/dal/recording_data_access.h"
#include "tests/forms/scripted_controls.h"

namespace pellora::testing {
namespace {

const char kWarehouse[] = "Armazém Destino";
const char kType[] = "Tipo Documento";
const char kSeries[] = "Série";

RecordsetPtr Parameters(Variant document, Variant series, Variant sector) {
  return MakeRecordset({{"ID", adInteger},
                        {"TRANSFDOC", adVarWChar, 3},
                        {"TRANSFSER", adVarWChar, 10},
                        {"TRANSFSEC", adVarWChar, 3}},
                       {{int32_t{1}, document, series, sector}});
}

RecordsetPtr Coded(const char* code_field, const char* description_field,
                   const std::vector<std::vector<Variant>>& rows) {
  return MakeRecordset({{code_field, adVarWChar, 10}, {description_field, adVarWChar, 50}}, rows);
}

// The transfer dialog over scripted controls, its lists answered in the order the form asks:
// parameters, warehouses, document types, series, sectors, then series again per type click.
class FrmEditTranfTest : public ::testing::Test {
 protected:
  void Answer(RecordsetPtr parameters = Parameters("TR2", "B", "S1"),
              RecordsetPtr series = Coded("SERIE", "DESCR", {{"B", "B"}})) {
    recorder->answers = {
        std::move(parameters), Coded("CODIGO", "NOME", {{"A1", "Central"}, {"A2", "Norte"}}),
        Coded("CODIGO", "DESCR", {{"TR1", "Transferência"}, {"TR2", "Guia"}}), std::move(series),
        Coded("CODIGO", "DESCR", {{"S1", "Loja"}, {"S2", "Armazém"}})};
  }

  void Edit(const std::string& suggested) {
    form.SetTerceiro(suggested);
    form.Editar();
  }

  // The codes chosen: warehouse, type, series and sector.
  std::string Chosen() {
    return form.Terceiro() + "|" + form.TipoDocumento() + "|" + form.Serie() + "|" + form.Sector();
  }

  RecordingScope recorder;
  RecordingDialogs dialogs;
  ScriptedFormSurface* surface = new ScriptedFormSurface;
  FrmEditTranf form{FormSurfacePtr(surface), dialogs};
};

// The lists show code and description; the suggested warehouse and the stored defaults, in upper
// case, are chosen.
TEST_F(FrmEditTranfTest, FillsTheListsAndPreselectsTheSuggestedWarehouseAndTheStoredDefaults) {
  Answer(Parameters("tr2", "b", "s2"), Coded("SERIE", "DESCR", {{"A", "Série A"}, {"B", "B"}}));
  Edit("A2");
  EXPECT_EQ(surface->caption, "Transferências de Armazens");
  EXPECT_EQ(surface->Combo(kWarehouse).items,
            (std::vector<std::string>{"[A1] Central", "[A2] Norte"}));
  EXPECT_EQ(surface->Combo(kSeries).items, (std::vector<std::string>{"[A] Série A", "[B] B"}));
  EXPECT_EQ(surface->shown, 1);
  const std::vector<std::string> sql = recorder->Sql();
  ASSERT_EQ(sql.size(), 5u);
  EXPECT_NE(sql[2].find("AREAG=4 AND TPOPER =4 AND TPFSTC =3"), std::string::npos) << sql[2];
  EXPECT_NE(sql[3].find("TIPODOC='TR2'"), std::string::npos) << sql[3];
  EXPECT_EQ(Chosen(), "A2|TR2|B|S2");
}

// A suggested warehouse in lower case never matches: like stored defaults that match nothing,
// it selects nothing, but the warehouse list alone falls back to its first item, when it has one.
TEST_F(FrmEditTranfTest, OnlyTheWarehouseListFallsBackToItsFirstItem) {
  Answer(Parameters("XX", Variant::Null(), "ZZ"),
         Coded("SERIE", "DESCR", {{"A", "A"}, {"B", "B"}}));
  Edit("a2");
  EXPECT_EQ(Chosen(), "A1|||");
  EXPECT_EQ(surface->Combo(kSeries).ListCount(), 2);
  // No type chosen: the series are asked for the empty type.
  EXPECT_NE(recorder->Sql()[3].find("TIPODOC=''"), std::string::npos);

  Answer();
  recorder->answers[1] = Coded("CODIGO", "NOME", {});
  Edit("A1");
  EXPECT_EQ(form.Terceiro(), "");
}

TEST_F(FrmEditTranfTest, ChoosingAnotherTypeRefillsTheSeriesAndPreselectsTransfSerAgain) {
  Answer(Parameters("TR2", "b", "S1"), Coded("SERIE", "DESCR", {{"B", "Guia B"}}));
  recorder->answers.push_back(
      Coded("SERIE", "DESCR", {{"A", "Transf. A"}, {"B", "Transf. B"}, {"C", "Transf. C"}}));
  std::string series_before;
  surface->scenario = [&](ScriptedFormSurface& shown) {
    series_before = form.Serie();
    shown.Combo(kType).Choose(0);
  };
  Edit("A1");
  EXPECT_EQ(series_before, "B");
  EXPECT_EQ(surface->Combo(kSeries).items,
            (std::vector<std::string>{"[A] Transf. A", "[B] Transf. B", "[C] Transf. C"}));
  EXPECT_EQ(Chosen(), "A1|TR1|B|S1");
  const std::vector<std::string> sql = recorder->Sql();
  ASSERT_EQ(sql.size(), 6u);
  EXPECT_NE(sql[5].find("TIPODOC='TR1'"), std::string::npos) << sql[5];
  EXPECT_TRUE(sql[5].ends_with("ORDER BY   SERIE")) << sql[5];
}

TEST_F(FrmEditTranfTest, AFailureIsShownAndTheDialogCountsAsCancelled) {
  recorder->fail_with = Error(kDatabaseError, "SQLite", "no such table: oru_PARAMETROSEXP");
  Edit("A1");
  EXPECT_EQ(surface->shown, 0);
  EXPECT_TRUE(form.Cancelou());
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].prompt, "Erro -2147217900 - no such table: oru_PARAMETROSEXP");
  EXPECT_EQ(dialogs.boxes[0].buttons, vbExclamation);
  EXPECT_EQ(dialogs.boxes[0].title, "Transferências de Armazens");
}

}  // namespace
}  // namespace pellora::testing
