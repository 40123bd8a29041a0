// The add-in's operations and its checks of a view's line, on the company.
#include <memory>
#include <string>
#include <vector>

#include "runtime/error.h"
#include "solucao/chooser_query.h"
#include "solucao/dlg_selecao.h"
#include "solucao/tipo_documento.h"
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
    for (const auto& [field, value] :
         {std::pair("TipoDocumento", "VFA"), std::pair("Data", "05-12-2026"),
          std::pair("Moeda", "EUR"), std::pair("Sector", "S1"), std::pair("Serie", "A"),
          std::pair("Terceiro", "C1")}) {
      view_->cab().Set(field, value);
    }
  }
  // Runs operation `code`: 2003 and 2004 from the sales view, -2003 and -2004 from purchases.
  void Operacao(int32_t code) {
    Variant pai, empresa, utilizador, operacao = code < 0 ? -code : code;
    if (code == 2003 || code == 2004) {
      solucao_->OnVistaVendasOperacao(pai, api_, empresa, utilizador, operacao);
    } else if (code < 0) {
      solucao_->OnVistaComprasOperacao(pai, api_, empresa, utilizador, operacao);
    } else {
      solucao_->Operacoes(pai, operacao, utilizador);
    }
  }
  // Runs the chooser with the scripted answer into terminais_ and conjuntos_; true if cancelled.
  bool Choose(const std::string& movimento) {
    bool cancelado = false;
    pImporMovimentosDlgSelecao(factory_, "", movimento, 3, terminais_, conjuntos_, cancelado);
    return cancelado;
  }

  Texts terminais_, conjuntos_;
};

// A failed import is an outcome like any other; refused readings are not tried at all. Neither
// message waits inside the company's transaction.
TEST_F(SolucaoOperations, ShowsAFailedImportAsInformationAndRefusedReadingsAsExclamation) {
  Reading({1, "I", "P1", 7, ", PrecoUnitario", ", 0"});
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

// Each operation lists the sets of its own movement (purchases: VFA, an entry; sales: FAC, an
// exit, of the customer on screen); the chooser cancelled, nothing more happens.
TEST_F(SolucaoOperations, EachOperationListsTheSetsOfItsMovement) {
  factory_.selection = {"", {}};
  for (const auto& [code, sql] :
       {std::pair(2007, ChooserSql("", "I", 3)), std::pair(2009, ChooserSql("", "T", 3)),
        std::pair(2008, ChooserSql("", "T", 4)), std::pair(-2004, ChooserSql("", "E", 1)),
        std::pair(-2003, std::string()), std::pair(2004, std::string()),
        std::pair(2003, ChooserSql("C1", "S", 2))}) {
    if (code == 2003) view_->cab().Set("TipoDocumento", "FAC");
    const size_t before = factory_.selections.size();
    Operacao(code);
    EXPECT_EQ(factory_.selections.size() == before ? "" : factory_.selections.back()->sql, sql)
        << code;
  }
  EXPECT_TRUE(Messages().empty());
  view_->cab().Set("TipoDocumento", "INV");
  Operacao(-2004);
  view_->cab().Set("TipoDocumento", Variant::Null());
  Operacao(2003);
  EXPECT_EQ(Messages(),
            (Texts{"[Importação] Esta operação não é permitida este tipo de documento .",
                   "[OnVistaVendasOperacao] Erro Utilização inválida de Null"}));
  EXPECT_EQ(factory_.dialogs->styles, std::vector<int>(2, vbExclamation));
}

// The same set chosen twice is kept twice; a single choice is read from Show's answer.
TEST_F(SolucaoOperations, TheChooserSplitsEachChosenId) {
  factory_.selection = {kSet, {kSet, "T2|1", kSet}};
  EXPECT_FALSE(Choose("E"));
  EXPECT_EQ(
      std::pair(terminais_, conjuntos_),
      std::pair(Texts{"", "T1", "T2", "T1"}, Texts{"", "20261205093000", "1", "20261205093000"}));
  factory_.selection = {"T9|20260101120000", {}, false};
  EXPECT_FALSE(Choose("A"));
  EXPECT_EQ(std::pair(terminais_, conjuntos_),
            std::pair(Texts{"", "T9"}, Texts{"", "20260101120000"}));
  factory_.selection = {"", {}};
  EXPECT_TRUE(Choose("X"));
  EXPECT_EQ(terminais_, (Texts{"", ""}));
  // An Id without "|" fails with the chooser's name.
  factory_.selection = {"T9", {}, false};
  try {
    Choose("A");
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), kSubscriptOutOfRange);
    EXPECT_EQ(error.source(), "pImporMovimentosDlgSelecao");
  }
}

TEST_F(SolucaoOperations, TheChooserListsPendingSetsOfTheMovementOnTheCompany) {
  Reading({1, "I", "P1", 1, ", PrecoUnitario", ", 1"});
  Exec(
      "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, NumeroLinha, TipoMov, "
      "Tpterc, Dest_TpDoc) VALUES ('T2', '20261201080000', 1, 'I', 3, ''), "
      "('T3', '20261201080000', 1, 'I', 4, ''), ('T4', '20261201080000', 1, 'I', NULL, 'INV'), "
      "('T5', '20261201080000', 1, 'E', NULL, NULL);");
  factory_.selection = {"", {}};
  Choose("P");
  EXPECT_EQ(factory_.selections.back()->sql, ChooserSql("", "I", 3));
  EXPECT_EQ(factory_.selections.back()->listed, (Texts{"T2|20261201080000", kSet}));
  Choose("X");
  EXPECT_EQ(factory_.selections.back()->listed.size(), 4u);
}

TEST_F(SolucaoOperations, ClassifiesDocumentTypes) {
  Exec(
      "INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, ENTIDADE, SINALCT) VALUES "
      "('V0', '', 4, 2, 2, 0), ('V1', '', 3, 2, 2, 1), ('V2', '', 4, 2, 2, 2), "
      "('C0', '', 3, 1, 1, 0), ('C1', '', 4, 1, 1, 1), ('C2', '', 3, 1, 1, 2), "
      "('G1', '', 1, 2, 2, 1), ('X1', '', 4, 1, 2, 1), ('X2', '', 4, 3, 0, 0);");
  Texts answers;
  for (std::string tipo : {"V0", "V1", "V2", "C0", "C1", "C2", "G1", "X1", "X2", "NAO", "v0"})
    answers.push_back(std::to_string(pTipoDocumento(tipo)));
  EXPECT_EQ(answers, (Texts{"2", "3", "2", "1", "1", "0", "-1", "-1", "-1", "-1", "2"}));
}

constexpr char kInativo[] = "[Artigos Inativos] Não é permitido movimentar artigos inativos.";
constexpr char kBelow[] = "[Preço Unitário] Valor do Preço Unitário (";

// A sales or purchase view with a current line: P1 at 25, quantity 1, no discounts.
class SolucaoLineValidation : public SolucaoCompanyTest {
 protected:
  void SetUp() override {
    SolucaoCompanyTest::SetUp();
    view_->cab().Set("TipoDocumento", "VD");
    view_->cab().Set("DescontoCabecalho", 0.0);
    Line("Artigo", "P1");
    Line("PrecoUnitario", 25.0);
    Line("Quantidade", 1.0);
    Line("DescontoValor", 0.0);
  }
  void OpenWith(const std::string& v3u) {
    Configuracao("[V3U]\n" + v3u);
    Open();
  }
  void Line(const std::string& field, const Variant& value) {
    (view_->Linha() ? *view_->Linha() : view_->NovaLinha()).Set(field, value);
  }
  // Validates one field's value on the sales view (or the purchases'), expects it refused or
  // not, and expects `shown` to begin the one message shown (none when empty) with its `style`.
  void Check(const std::string& campo, const Variant& valor, bool refused,
             const std::string& shown = "", int style = vbOKOnly, bool sales = true) {
    const size_t before = Messages().size();
    Variant vCampo = campo, vValor = valor, vCancel = false;
    if (sales) {
      solucao_->OnVistaVendasCampoLinhasValidar(api_, vCampo, vValor, vCancel);
    } else {
      solucao_->OnVistaComprasCampoLinhasValidar(api_, vCampo, vValor, vCancel);
    }
    const std::string line = campo + "=" + CStr(valor);
    EXPECT_EQ(CBool(vCancel), refused) << line;
    ASSERT_EQ(Messages().size(), before + (shown.empty() ? 0 : 1)) << line;
    if (shown.empty()) return;
    EXPECT_TRUE(Messages().back().starts_with(shown)) << line << ": " << Messages().back();
    EXPECT_EQ(factory_.dialogs->styles.back(), style) << line;
  }
};

TEST_F(SolucaoLineValidation, RefusesInactiveArticlesOnListedTypes) {
  OpenWith("TipoDocNaoMovimentaInativos=FA;VD\n");
  Check("ARTIGO", "I1", true, kInativo, vbExclamation);
  Check("ARTIGO", "N1", false);  // INACTIVO NULL
  Check("ARTIGO", "P1", false);
  Check("ARTIGO", "XX", false);
  Check("artigo", "I1", false);            // field names are compared as given
  view_->cab().Set("TipoDocumento", "A");  // "FA;VD;" holds "A;"
  Check("ARTIGO", "I1", true, kInativo, vbExclamation, false);
  view_->cab().Set("TipoDocumento", "F");
  Check("ARTIGO", "I1", false, "", vbOKOnly, false);
  view_->cab().Set("TipoDocumento", "");
  Check("ARTIGO", "I1", false);
  view_->cab().Set("TipoDocumento", "VD");
  view_->SemLinha();
  Check("ARTIGO", "I1", false);
}

TEST_F(SolucaoLineValidation, ChecksPricesOnSalesOnly) {
  OpenWith(
      "TipoDocControlaPrecosVenda=VD\nCampoBDControlaPrecosVenda=uprcl\n"
      "PercentagemControlaPrecosVenda=10\n");
  const std::string below = std::string(kBelow) + "17,99) é inferior ao Preço configurado (18,00).";
  Check("PRUNIT", "17,99", true, below);
  Check("PRUNIT", "18,00", false);
  Check("PRUNIT", "1", false, "", vbOKOnly, false);
  // The line's discount is spread over its quantity: 10 / 5 off the price.
  Line("DescontoValor", 10.0);
  Line("Quantidade", 5.0);
  Check("PRUNIT", "20", false);
  Check("DESCON", "19,99", true, below);
  view_->cab().Set("TipoDocumento", "FAC");
  Check("PRUNIT", "1", false);
}

TEST_F(SolucaoLineValidation, ReferencePricesAndFailures) {
  OpenWith("TipoDocControlaPrecosVenda=VD\nCampoBDControlaPrecosVenda=UPCM\n");  // ULTPMP 19
  view_->cab().Set("DescontoCabecalho", 10.0);  // applied before comparing
  Check("PRUNIT", "20", true,
        std::string(kBelow) + "18,00) é inferior ao Preço configurado (19,00).");
  Check("PRUNIT", "", false);  // without a value the line's own price: 25 less 10 % passes
  view_->cab().Set("DescontoCabecalho", 0.0);
  Line("Artigo", "XX");
  Check("PRUNIT", "1", false, "[Preço Unitário] Artigo inválido.");
  Line("Artigo", "");
  Check("PRUNIT", "1", false);
  Line("Artigo", "P1");
  Line("Quantidade", 0.0);
  Line("DescontoValor", 1.0);
  Check("PRUNIT", "1", false, "[PrUnitAbaixoDoConfigurado] Erro Divisão por zero", vbExclamation);
  Check("PRUNIT", "abc", false, "[PrUnitAbaixoDoConfigurado] Erro Tipos incompatíveis",
        vbExclamation);
}

TEST_F(SolucaoLineValidation, AverageCostReference) {
  OpenWith("TipoDocControlaPrecosVenda=VD\nCampoBDControlaPrecosVenda=PCM\n");
  // 120 / 30
  Check("PRUNIT", "3,99", true,
        std::string(kBelow) + "3,99) é inferior ao Preço configurado (4,00).");
  Line("Artigo", "Z1");  // no stock: reference 0
  Check("PRUNIT", "0", false);
}

}  // namespace
}  // namespace pellora::solucao_testing
