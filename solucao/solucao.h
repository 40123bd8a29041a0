#ifndef PELLORA_SOLUCAO_SOLUCAO_H_
#define PELLORA_SOLUCAO_SOLUCAO_H_

#include <memory>
#include <string>
#include <vector>

#include "interfaces/component_factory.h"
#include "interfaces/data_access.h"
#include "interfaces/dialogs.h"
#include "interfaces/host_view.h"
#include "interfaces/vela.h"
#include "runtime/recordset.h"
#include "runtime/variant.h"

namespace pellora {

class ImportRequest;
class MovImportacao;

// The add-in object the host creates: opened for one company and user, it turns the readings of
// the picking terminals into host documents on the host's menu and view operations, and
// validates document lines. No error leaves a public member: each shows its own message.
class Solucao {
 public:
  // `pasta_addin`: the add-in's own folder, where the configuration file is looked for when the
  // maker's common folder is missing, and where the orders report lies.
  Solucao(ComponentFactory& factory, std::string pasta_addin);

  // ---- Public members, in the class's interface order.
  bool ConnectionOpen(std::string sEmpresa, std::string sUserLogin);
  bool ConnectionClose();
  bool ConnectionValidate(std::string sEmpresa, std::string sUserLogin);
  bool CanViewUltimaVenda();
  bool CanMovArtigosInativos();
  void OnArtigoSaved(Variant& vEmpresa, Variant& vCodArt);
  void Operacoes(Variant& vPai, Variant& vOperacao, Variant& vUtilizador);
  void OnVistaComprasOperacao(Variant& vPai, HostViewPtr& oApi, Variant& vEmpresa,
                              Variant& vUtilizador, Variant& vOperacao);
  void OnVistaVendasOperacao(Variant& vPai, HostViewPtr& oApi, Variant& vEmpresa,
                             Variant& vUtilizador, Variant& vOperacao);
  void OnVistaVendasCampoLinhasValidar(HostViewPtr& oApi, Variant& vCampo, Variant& vValor,
                                       Variant& vCancel);
  void OnVistaComprasCampoLinhasValidar(HostViewPtr& oApi, Variant& vCampo, Variant& vValor,
                                        Variant& vCancel);

 private:
  // Reading sets chosen in the chooser: parallel arrays filled from element 1.
  struct Conjuntos {
    std::vector<std::string> terminais = {""};
    std::vector<std::string> conjuntos = {""};
    bool cancelado = false;
  };
  struct ImportacaoVista;
  struct ImportacaoFixa;

  // ---- Configuration file and connection (configuracao.cc, ligacao.cc)
  void pConfiguracaoLer();
  std::string pConnectionString() const;
  // Opens a new data-access object on the company database; False when it does not open.
  bool pBaseDadosAbrir();
  void pBaseDadosFechar();
  // Logs a new picking API object in; on failure tells the operator and closes the database.
  bool pVelaLigar();
  void pArtigosAlocadosCreateTable();
  void pParametrosTo2022S();

  // ---- Menu operations
  void pParametros();
  void pMapaEncomendas();

  // ---- Import operations (operacoes_importacao.cc)
  void pImportMovimentosCompras(HostViewPtr& oApi);
  void pImportMovimentosVendas(HostViewPtr& oApi);
  void pImportMovimentosInventario();
  void pImportMovimentosAcertoInventario();
  void pImportTransferenciaArmazens();
  void pAnularPicagens();
  void pPrcCustoInventario();
  void pPrcCustoAcertoInventario();
  void pImportarDaVista(HostViewPtr& oApi, const ImportacaoVista& vista);
  void pImportarSemDocumento(const ImportacaoFixa& fixa);
  void pPrcCustoEditar(const std::string& procedimento, const std::string& movimento);
  Conjuntos pEscolher(const std::string& terceiro, const std::string& movimento, int16_t tipo);
  // Writes the request's header on `importacao`, runs the import and shows its message whatever
  // its outcome, or why it was refused.
  void pExecutarEMostrar(ImportRequest& pedido, MovImportacao& importacao,
                         const std::string& titulo);

  // ---- Line validation (validacao_linhas.cc, preco_minimo.cc)
  // Refuses an inactive article on the document types of TipoDocNaoMovimentaInativos.
  void pArtigoInativoValidar(HostView& oApi, Variant& vValor, Variant& vCancel);
  bool PrUnitAbaixoDoConfigurado(HostViewPtr& oApi, std::string artigo, std::string& valor);
  double pPrecoReferencia(Recordset& artigo) const;

  // ---- State
  DataAccessPtr data_access_;
  std::string utilizador_;
  std::string password_;
  std::string servidor_;
  std::string base_dados_;
  PickingApiPtr picking_api_;
  std::string api_empresa_;
  std::string api_perc_windows_;
  std::string api_perclog_;
  std::string api_login_;
  std::string api_password_;
  std::string identificador_aplicacao_;
  std::string user_login_;
  std::string empresa_;
  std::string ficheiro_configuracao_;
  std::string mostra_ultima_venda_;
  std::string tipo_doc_nao_movimenta_inativos_;
  std::string tipo_doc_controla_precos_venda_;
  std::string percentagem_controla_precos_venda_;
  std::string campo_bd_controla_precos_venda_;

  ComponentFactory& factory_;
  std::shared_ptr<Dialogs> dialogs_;
  std::string pasta_addin_;
};

}  // namespace pellora

#endif  // PELLORA_SOLUCAO_SOLUCAO_H_
