#include <string>

#include "dal/dal_comandos.h"
#include "runtime/convert.h"
#include "runtime/text.h"
#include "solucao/solucao.h"
#include "solucao/solucao_erros.h"

namespace pellora {
namespace {

// A list of document types in a setting holds `tipo` when the setting followed by ";" contains
// the type followed by ";" (so "FA;VD" holds "A" and "VD").
bool ListaContem(const std::string& lista, const std::string& tipo) {
  return (lista + ";").find(tipo + ";") != std::string::npos;
}

// The field name the host validates; Null and Empty name no field.
std::string Campo(const Variant& vCampo) {
  return Concat(vCampo, "");
}

}  // namespace

void Solucao::OnVistaVendasCampoLinhasValidar(HostViewPtr& oApi, Variant& vCampo, Variant& vValor,
                                              Variant& vCancel) {
  TrapAndShowErro(*dialogs_, "OnVistaVendasCampoLinhasValidar", [&] {
    if (!oApi || !oApi->Linha()) return;
    const std::string campo = Campo(vCampo);
    if (campo == "ARTIGO") {
      pArtigoInativoValidar(*oApi, vValor, vCancel);
    } else if (campo == "PRUNIT" || campo == "DESCON") {
      const std::string tipo = CStr(oApi->cab().Get("TipoDocumento"));
      if (tipo.empty() || !ListaContem(tipo_doc_controla_precos_venda_, tipo)) return;
      std::string valor = CStr(vValor);
      if (PrUnitAbaixoDoConfigurado(oApi, CStr(oApi->Linha()->Get("Artigo")), valor)) {
        vCancel = Variant(true);
      }
    }
  });
}

void Solucao::OnVistaComprasCampoLinhasValidar(HostViewPtr& oApi, Variant& vCampo, Variant& vValor,
                                               Variant& vCancel) {
  TrapAndShowErro(*dialogs_, "OnVistaComprasCampoLinhasValidar", [&] {
    if (!oApi || !oApi->Linha()) return;
    if (Campo(vCampo) == "ARTIGO") pArtigoInativoValidar(*oApi, vValor, vCancel);
  });
}

void Solucao::pArtigoInativoValidar(HostView& oApi, Variant& vValor, Variant& vCancel) {
  const std::string tipo = CStr(oApi.cab().Get("TipoDocumento"));
  if (tipo.empty() || !ListaContem(tipo_doc_nao_movimenta_inativos_, tipo)) return;
  const RecordsetPtr artigo = HlpDb_ArtigosGet("CODIGO='" + QuoteEscape(CStr(vValor)) + "' ", "");
  if (artigo->Eof()) return;
  const Variant inactivo = artigo->Fields("INACTIVO").Value();
  if (inactivo.IsNull() || !CBool(inactivo)) return;
  dialogs_->MsgBox("Não é permitido movimentar artigos inativos.", vbExclamation,
                   "Artigos Inativos");
  vCancel = Variant(true);
}

}  // namespace pellora
