#include <memory>
#include <string>

#include "solucao/chooser_query.h"
#include "tests/solucao/solucao_company.h"

namespace pellora::solucao_testing {
namespace {

constexpr char kSet[] = "T1|20261205093000";

class SolucaoOperations : public SolucaoCompanyTest {
 protected:
  void SetUp() override {
    SolucaoCompanyTest::SetUp();
    Open();
    Parametros();
    view_->cab().Set("TipoDocumento", "VFA");
    view_->cab().Set("Data", "05-12-2026");
    view_->cab().Set("Moeda", "EUR");
    view_->cab().Set("Sector", "S1");
    view_->cab().Set("Serie", "A");
    view_->cab().Set("Terceiro", "C1");
  }
  void Operacao(int32_t code) {
    Variant pai, utilizador, operacao = code;
    solucao_->Operacoes(pai, operacao, utilizador);
  }
  void Compras(int32_t code) {
    Variant pai, empresa, utilizador, operacao = code;
    solucao_->OnVistaComprasOperacao(pai, api_, empresa, utilizador, operacao);
  }
  void Vendas(int32_t code) {
    Variant pai, empresa, utilizador, operacao = code;
    solucao_->OnVistaVendasOperacao(pai, api_, empresa, utilizador, operacao);
  }

  std::shared_ptr<vela::VelaHostView> view_ = std::make_shared<vela::VelaHostView>();
  HostViewPtr api_ = view_;
};

// A failed import is an outcome like any other; refused readings are not tried at all. Neither
// message waits inside the company's transaction.
TEST_F(SolucaoOperations, ShowsAFailedImportAsInformationAndRefusedReadingsAsExclamation) {
  Reading(1, "I", "P1", 7, 0);
  factory_.selection = {kSet, {kSet}};
  Operacao(2005);
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Unidade = 'CX'");
  Operacao(2005);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_TRUE(Messages()[0].starts_with(
      "[Importação de Movimentos de Inventário] Erro na Validação do Conjunto de Leituras."))
      << Messages()[0];
  EXPECT_EQ(Messages()[1],
            "[Importação de Movimentos de Inventário] Nada foi importado: há leituras que não se "
            "podem importar.\nConjunto T1|20261205093000, linha 1: a unidade CX não é do artigo "
            "P1 (UN).");
  EXPECT_EQ(factory_.dialogs->styles, (std::vector<int>{vbInformation, vbExclamation}));
  EXPECT_EQ(factory_.dialogs->shown_in_transaction, 0);
  EXPECT_EQ(Rows("SELECT Estado FROM oru_ARM_Picking_Movimentos"), Texts{"0"});
}

TEST_F(SolucaoOperations, ViewOperationsFollowTheDocumentType) {
  factory_.selection = {"", {}};
  Vendas(2004);
  Compras(2003);
  EXPECT_TRUE(factory_.selections.empty());
  Compras(2004);  // VFA: a purchase entry
  ASSERT_EQ(factory_.selections.size(), 1u);
  EXPECT_EQ(factory_.selections[0]->sql, ChooserSql("", "E", 1));
  view_->cab().Set("TipoDocumento", "FAC");  // a sales exit, for the customer on screen
  Vendas(2003);
  ASSERT_EQ(factory_.selections.size(), 2u);
  EXPECT_EQ(factory_.selections[1]->sql, ChooserSql("C1", "S", 2));
  EXPECT_TRUE(Messages().empty());

  view_->cab().Set("TipoDocumento", "INV");
  Compras(2004);
  EXPECT_EQ(Messages(), Texts{"[Importação] Esta operação não é permitida este tipo de "
                              "documento ."});
  EXPECT_EQ(factory_.dialogs->styles, std::vector<int>{vbExclamation});
  view_->cab().Set("TipoDocumento", Variant::Null());
  Vendas(2003);
  EXPECT_EQ(Messages().back(), "[OnVistaVendasOperacao] Erro Utilização inválida de Null");
  EXPECT_EQ(factory_.selections.size(), 2u);
}

TEST_F(SolucaoOperations, OpensTheCostEditorOnTheChosenSets) {
  Reading(1, "I", "P1", 7, 2.5);
  factory_.selection = {kSet, {kSet}};
  long rows = -1;
  factory_.form_scenario = [&](testing::ScriptedFormSurface& form) {
    EXPECT_EQ(form.caption, "Valores de Inventário");
    rows = form.grid->RowCount();
    form.Press("&Sair");
  };
  Operacao(2007);
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(factory_.selections.back()->sql, ChooserSql("", "I", 3));

  Operacao(2009);
  EXPECT_EQ(factory_.selections.back()->sql, ChooserSql("", "T", 3));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SolucaoOperations, AsksForTheTransferHeaderAndStopsWhenCancelled) {
  Reading(1, "T", "P1", 2, 0);
  Exec(
      "UPDATE oru_ARM_Picking_Movimentos SET Terceiro = 'a2';"
      "INSERT INTO ARMAZENS (CODIGO, NOME) VALUES ('A2', 'Armazém 2');");
  factory_.selection = {kSet, {kSet}};
  std::string suggested;
  factory_.form_scenario = [&](testing::ScriptedFormSurface& form) {
    suggested = form.Combo("Armazém Destino").Text();
    form.Press("&Cancelar");
  };
  Operacao(2008);
  EXPECT_EQ(factory_.selections.back()->sql, ChooserSql("", "T", 4));
  EXPECT_EQ(suggested, "[A2] Armazém 2");  // the reading set's destination
  EXPECT_TRUE(Messages().empty()) << Messages().front();
}

}  // namespace
}  // namespace pellora::solucao_testing
