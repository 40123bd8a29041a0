#include "solucao/solucao.h"

#include <utility>

#include "dal/dal_comandos.h"
#include "dal/definitions.h"
#include "runtime/convert.h"
#include "runtime/text.h"
#include "solucao/solucao_erros.h"

namespace pellora {
namespace {

constexpr char kCrLf[] = "\r\n";
// The name the picking API knows the add-in by.
constexpr char kIdentificadorAplicacao[] = "Pellora";

}  // namespace

Solucao::Solucao(ComponentFactory& factory, std::string pasta_addin)
    : identificador_aplicacao_(kIdentificadorAplicacao),
      factory_(factory),
      dialogs_(factory.CreateDialogs()),
      pasta_addin_(std::move(pasta_addin)) {
  data_access_ = factory_.CreateDataAccess();
}

bool Solucao::ConnectionOpen(std::string sEmpresa, std::string sUserLogin) {
  bool ligado = false;
  TrapAndShowErro(*dialogs_, "Ligação ao Servidor", [&] {
    user_login_ = sUserLogin;
    empresa_ = sEmpresa;
    pConfiguracaoLer();
    if (!pBaseDadosAbrir() || !pVelaLigar()) return;
    picking_api_->SetDataAccess(data_access_);
    DataAccessSet(data_access_);
    ligado = true;
    HlpDb_ParametrosCreate();
    pArtigosAlocadosCreateTable();
  });
  return ligado;
}

bool Solucao::ConnectionClose() {
  bool fechado = false;
  TrapAndShowErro(*dialogs_, "ConnectionClose", [&] {
    if (picking_api_) picking_api_->Logout();
    pBaseDadosFechar();
    fechado = true;
  });
  return fechado;
}

bool Solucao::ConnectionValidate(std::string sEmpresa, std::string sUserLogin) {
  bool valida = false;
  const std::string titulo = "Validação da ligação ao Servidor";
  TrapAndShowErro(*dialogs_, titulo, [&] {
    if (sEmpresa == empresa_) {
      valida = true;
      return;
    }
    dialogs_->MsgBox("Erro. " + sEmpresa + " Não está configurada para a solução." + kCrLf +
                         "A Solução vao ser desactivada.",
                     vbExclamation, titulo);
    ConnectionClose();
    if (!ConnectionOpen(sEmpresa, sUserLogin)) {
      dialogs_->MsgBox("Erro. Não foi possivel estabelecer a ligação à empresa " + sEmpresa + "." +
                           kCrLf + "A Solução vao ser desactivada.",
                       vbExclamation, titulo);
      return;
    }
    valida = true;
  });
  return valida;
}

bool Solucao::CanViewUltimaVenda() {
  return UCase(mostra_ultima_venda_) == "S";
}

bool Solucao::CanMovArtigosInativos() {
  return !Trim(tipo_doc_nao_movimenta_inativos_).empty();
}

void Solucao::OnArtigoSaved(Variant& /*vEmpresa*/, Variant& /*vCodArt*/) {}

void Solucao::Operacoes(Variant& /*vPai*/, Variant& vOperacao, Variant& /*vUtilizador*/) {
  TrapAndShowErro(*dialogs_, "Operações", [&] {
    switch (CLng(vOperacao)) {
      case 2000:
        pParametros();
        break;
      case 2001:
        pMapaEncomendas();
        break;
      case 2005:
        pImportMovimentosInventario();
        break;
      case 2006:
        pImportMovimentosAcertoInventario();
        break;
      case 2007:
        pPrcCustoInventario();
        break;
      case 2008:
        pImportTransferenciaArmazens();
        break;
      case 2009:
        pPrcCustoAcertoInventario();
        break;
      case 2010:
        pAnularPicagens();
        break;
      default:
        break;
    }
  });
}

void Solucao::OnVistaComprasOperacao(Variant& /*vPai*/, HostViewPtr& oApi, Variant& /*vEmpresa*/,
                                     Variant& /*vUtilizador*/, Variant& vOperacao) {
  TrapAndShowErro(*dialogs_, "OnVistaComprasOperacao", [&] {
    if (oApi && CInt(vOperacao) == 2004) pImportMovimentosCompras(oApi);
  });
}

void Solucao::OnVistaVendasOperacao(Variant& /*vPai*/, HostViewPtr& oApi, Variant& /*vEmpresa*/,
                                    Variant& /*vUtilizador*/, Variant& vOperacao) {
  TrapAndShowErro(*dialogs_, "OnVistaVendasOperacao", [&] {
    if (oApi && CInt(vOperacao) == 2003) pImportMovimentosVendas(oApi);
  });
}

}  // namespace pellora
