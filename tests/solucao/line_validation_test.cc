#include <memory>
#include <string>

#include "tests/solucao/solucao_company.h"

namespace pellora::solucao_testing {
namespace {

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

  std::shared_ptr<vela::VelaHostView> view_ = std::make_shared<vela::VelaHostView>();
  HostViewPtr api_ = view_;
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
  Check("PRUNIT", Variant("20"), true,
        std::string(kBelow) +
            "18,00) é inferior ao Preço "
            "configurado (19,00).");
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
  Check("PRUNIT", "3,99", true,
        std::string(kBelow) +
            "3,99) é inferior ao Preço configurado "
            "(4,00).");  // 120 / 30
  Line("Artigo", "Z1");  // no stock: reference 0
  Check("PRUNIT", "0", false);
}

}  // namespace
}  // namespace pellora::solucao_testing
