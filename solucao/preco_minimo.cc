#include <string>

#include "dal/dal_comandos.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/format.h"
#include "runtime/text.h"
#include "solucao/solucao.h"
#include "solucao/solucao_erros.h"

namespace pellora {
namespace {

constexpr char kTitulo[] = "Preço Unitário";
constexpr char kFormato[] = "###,##0.#0";

// Floating-point division failing as VB's does.
double Dividir(double dividendo, double divisor) {
  if (divisor == 0) RaiseRuntimeError(dividendo == 0 ? kOverflow : kDivisionByZero);
  return dividendo / divisor;
}

}  // namespace

// The article's reference price named by CampoBDControlaPrecosVenda; the average stock cost for
// PCM and for any other code.
double Solucao::pPrecoReferencia(Recordset& artigo) const {
  const std::string campo = UCase(campo_bd_controla_precos_venda_);
  if (campo == "UPRCL") return CDbl(artigo.Fields("ULTPRCOM").Value());
  if (campo == "UPCM") return CDbl(artigo.Fields("ULTPMP").Value());
  if (campo == "UPRCBR") return CDbl(artigo.Fields("ULTPRCBR").Value());
  const double valor = CDbl(artigo.Fields("VLREXIST").Value());
  const double quantidade = CDbl(artigo.Fields("STDISP").Value());
  return quantidade <= 0 || valor <= 0 ? 0 : valor / quantidade;
}

// True, after telling the operator, when the line's net unit price (the value being entered, or
// the line's price, less its discount per unit and the header discount) falls below the article's
// reference price lowered by PercentagemControlaPrecosVenda.
bool Solucao::PrUnitAbaixoDoConfigurado(HostViewPtr& oApi, std::string artigo, std::string& valor) {
  bool abaixo = false;
  TrapAndShowErro(*dialogs_, "PrUnitAbaixoDoConfigurado", [&] {
    const RecordsetPtr artigos = HlpDb_ArtigosGet("CODIGO='" + QuoteEscape(artigo) + "'", "");
    if (artigos->Eof()) {
      if (!Trim(artigo).empty()) dialogs_->MsgBox("Artigo inválido.", vbOKOnly, kTitulo);
      return;
    }
    double referencia = pPrecoReferencia(*artigos);
    if (!Trim(percentagem_controla_precos_venda_).empty()) {
      const double percentagem = Val(percentagem_controla_precos_venda_);
      if (percentagem != 0) referencia = referencia - referencia * percentagem / 100;
    }
    LateBoundObject& linha = *oApi->Linha();
    const double bruto = valor.empty() ? CDbl(linha.Get("PrecoUnitario")) : CDbl(Variant(valor));
    double liquido =
        bruto - Dividir(CDbl(linha.Get("DescontoValor")), CDbl(linha.Get("Quantidade")));
    const double desconto_cabecalho = CDbl(oApi->cab().Get("DescontoCabecalho"));
    if (desconto_cabecalho != 0) liquido = liquido - liquido * (desconto_cabecalho / 100);
    if (liquido < referencia) {
      dialogs_->MsgBox("Valor do Preço Unitário (" + Format(liquido, kFormato) + ")" +
                           " é inferior ao Preço configurado (" + Format(referencia, kFormato) +
                           ").",
                       vbOKOnly, kTitulo);
      abaixo = true;
    }
  });
  return abaixo;
}

}  // namespace pellora
