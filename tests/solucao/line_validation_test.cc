#include <memory>
#include <string>

#include "tests/solucao/solucao_company.h"

namespace pellora::solucao_testing {
namespace {

// A sales or purchase view with a current line, and the answer of one field's validation.
class SolucaoLineValidation : public SolucaoCompanyTest {
 protected:
  void SetUp() override {
    SolucaoCompanyTest::SetUp();
    view_->cab().Set("TipoDocumento", "VD");
    view_->cab().Set("DescontoCabecalho", 0.0);
    LateBoundObject& linha = view_->NovaLinha();
    linha.Set("Artigo", "P1");
    linha.Set("PrecoUnitario", 25.0);
    linha.Set("Quantidade", 1.0);
    linha.Set("DescontoValor", 0.0);
  }
  // True when the value is refused.
  bool Sales(const std::string& campo, const Variant& valor) {
    Variant vCampo = campo, vValor = valor, vCancel = false;
    solucao_->OnVistaVendasCampoLinhasValidar(api_, vCampo, vValor, vCancel);
    return CBool(vCancel);
  }
  bool Purchases(const std::string& campo, const Variant& valor) {
    Variant vCampo = campo, vValor = valor, vCancel = false;
    solucao_->OnVistaComprasCampoLinhasValidar(api_, vCampo, vValor, vCancel);
    return CBool(vCancel);
  }
  // Opens with the V3U settings given.
  void OpenWith(const std::string& v3u) {
    Configuracao("[V3U]\n" + v3u);
    Open();
  }

  std::shared_ptr<vela::VelaHostView> view_ = std::make_shared<vela::VelaHostView>();
  HostViewPtr api_ = view_;
};

constexpr char kInativo[] = "[Artigos Inativos] Não é permitido movimentar artigos inativos.";

TEST_F(SolucaoLineValidation, RefusesInactiveArticlesOnListedTypes) {
  OpenWith("TipoDocNaoMovimentaInativos=FA;VD\n");
  EXPECT_TRUE(Sales("ARTIGO", "I1"));
  EXPECT_EQ(Messages(), Texts{kInativo});
  EXPECT_EQ(factory_.dialogs->styles, std::vector<int>{vbExclamation});
  EXPECT_FALSE(Sales("ARTIGO", "N1"));  // INACTIVO NULL
  EXPECT_FALSE(Sales("ARTIGO", "P1"));
  EXPECT_FALSE(Sales("ARTIGO", "XX"));
  EXPECT_FALSE(Sales("artigo", "I1"));     // field names are compared as given
  view_->cab().Set("TipoDocumento", "A");  // "FA;VD;" holds "A;"
  EXPECT_TRUE(Purchases("ARTIGO", "I1"));
  view_->cab().Set("TipoDocumento", "F");
  EXPECT_FALSE(Purchases("ARTIGO", "I1"));
  view_->cab().Set("TipoDocumento", "");
  EXPECT_FALSE(Sales("ARTIGO", "I1"));
  view_->cab().Set("TipoDocumento", "VD");
  view_->SemLinha();
  EXPECT_FALSE(Sales("ARTIGO", "I1"));
  EXPECT_EQ(Messages(), (Texts{kInativo, kInativo}));
}

TEST_F(SolucaoLineValidation, ChecksPricesOnSalesOnly) {
  OpenWith(
      "TipoDocControlaPrecosVenda=VD\nCampoBDControlaPrecosVenda=uprcl\n"
      "PercentagemControlaPrecosVenda=10\n");
  const std::string below =
      "[Preço Unitário] Valor do Preço Unitário (17,99) é inferior ao Preço configurado (18,00).";
  EXPECT_TRUE(Sales("PRUNIT", "17,99"));
  EXPECT_EQ(Messages(), Texts{below});
  EXPECT_EQ(factory_.dialogs->styles, std::vector<int>{vbOKOnly});
  EXPECT_FALSE(Sales("PRUNIT", "18,00"));
  EXPECT_FALSE(Purchases("PRUNIT", "1"));
  // The line's discount is spread over its quantity: 10 / 5 off the price.
  view_->Linha()->Set("DescontoValor", 10.0);
  view_->Linha()->Set("Quantidade", 5.0);
  EXPECT_FALSE(Sales("PRUNIT", "20"));
  EXPECT_TRUE(Sales("DESCON", "19,99"));
  EXPECT_EQ(Messages(), (Texts{below, below}));
  view_->cab().Set("TipoDocumento", "FAC");
  EXPECT_FALSE(Sales("PRUNIT", "1"));
  EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(SolucaoLineValidation, AppliesTheHeaderDiscountBeforeComparing) {
  OpenWith("TipoDocControlaPrecosVenda=VD\nCampoBDControlaPrecosVenda=UPCM\n");  // ULTPMP 19
  view_->cab().Set("DescontoCabecalho", 10.0);
  EXPECT_TRUE(Sales("PRUNIT", Variant("20")));
  EXPECT_EQ(Messages(), Texts{"[Preço Unitário] Valor do Preço Unitário (18,00) é inferior ao "
                              "Preço configurado (19,00)."});
  // Without a value the line's own price is taken: 25 less 10 % passes.
  EXPECT_FALSE(Sales("PRUNIT", ""));
}

TEST_F(SolucaoLineValidation, AverageCostReference) {
  OpenWith("TipoDocControlaPrecosVenda=VD\nCampoBDControlaPrecosVenda=PCM\n");
  EXPECT_TRUE(Sales("PRUNIT", "3,99"));  // 120 / 30
  EXPECT_EQ(Messages(), Texts{"[Preço Unitário] Valor do Preço Unitário (3,99) é inferior ao "
                              "Preço configurado (4,00)."});
  view_->Linha()->Set("Artigo", "Z1");  // no stock: reference 0
  EXPECT_FALSE(Sales("PRUNIT", "0"));
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(SolucaoLineValidation, UnknownArticlesAndFailuresAcceptTheChange) {
  OpenWith("TipoDocControlaPrecosVenda=VD\n");
  view_->Linha()->Set("Artigo", "XX");
  EXPECT_FALSE(Sales("PRUNIT", "1"));
  EXPECT_EQ(Messages(), Texts{"[Preço Unitário] Artigo inválido."});
  EXPECT_EQ(factory_.dialogs->styles, std::vector<int>{vbOKOnly});
  view_->Linha()->Set("Artigo", "");
  EXPECT_FALSE(Sales("PRUNIT", "1"));
  EXPECT_EQ(Messages().size(), 1u);
  view_->Linha()->Set("Artigo", "P1");
  view_->Linha()->Set("Quantidade", 0.0);
  view_->Linha()->Set("DescontoValor", 1.0);
  EXPECT_FALSE(Sales("PRUNIT", "1"));
  EXPECT_EQ(Messages().back(), "[PrUnitAbaixoDoConfigurado] Erro Divisão por zero");
  EXPECT_EQ(factory_.dialogs->styles.back(), vbExclamation);
  EXPECT_FALSE(Sales("PRUNIT", "abc"));
  EXPECT_EQ(Messages().back(), "[PrUnitAbaixoDoConfigurado] Erro Tipos incompatíveis");
}

}  // namespace
}  // namespace pellora::solucao_testing
