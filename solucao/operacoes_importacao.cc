#include <string>

#include "forms/frm_edit_prc_custo.h"
#include "forms/frm_edit_tranf.h"
#include "importacao/chosen_set_checks.h"
#include "importacao/enums.h"
#include "importacao/import_request.h"
#include "importacao/mov_importacao.h"
#include "importacao/result.h"
#include "runtime/clock.h"
#include "runtime/convert.h"
#include "solucao/dlg_selecao.h"
#include "solucao/solucao.h"
#include "solucao/solucao_erros.h"
#include "solucao/tipo_documento.h"

namespace pellora {

// An import into the document open in a host view.
struct Solucao::ImportacaoVista {
  const char* procedimento;
  TipoImportacao tipo;
  int16_t entrada;  // classification of an entry type; the exit type is the next one
  int16_t tipo_terceiro;
  bool por_terceiro;  // lists only the reading sets of the document's customer
  const char* titulo;
};

// An import with no host document: the header is fixed and completed by the import.
struct Solucao::ImportacaoFixa {
  const char* procedimento;
  const char* movimento;
  TipoImportacao tipo;
  const char* titulo;
};

namespace {

// Third-party kinds the chooser is given by the imports with no host document.
constexpr int16_t kTipoTerceiroSemDocumento = 3;
constexpr int16_t kTipoTerceiroTransferencia = 4;

}  // namespace

void Solucao::pImportMovimentosCompras(HostViewPtr& oApi) {
  static constexpr ImportacaoVista kCompras{.procedimento = "pImportMovimentosCompras",
                                            .tipo = TI_Compra,
                                            .entrada = 0,
                                            .tipo_terceiro = 1,
                                            .por_terceiro = false,
                                            .titulo = "Importação de Movimentos de Compras"};
  pImportarDaVista(oApi, kCompras);
}

void Solucao::pImportMovimentosVendas(HostViewPtr& oApi) {
  static constexpr ImportacaoVista kVendas{.procedimento = "pImportMovimentosVendas",
                                           .tipo = TI_Venda,
                                           .entrada = 2,
                                           .tipo_terceiro = 2,
                                           .por_terceiro = true,
                                           .titulo = "Importação de Movimentos de Vendas"};
  pImportarDaVista(oApi, kVendas);
}

void Solucao::pImportMovimentosInventario() {
  static constexpr ImportacaoFixa kInventario{.procedimento = "pImportMovimentosInventario",
                                              .movimento = "I",
                                              .tipo = TI_InventarioInicial,
                                              .titulo = "Importação de Movimentos de Inventário"};
  pImportarSemDocumento(kInventario);
}

void Solucao::pImportMovimentosAcertoInventario() {
  static constexpr ImportacaoFixa kAcerto{
      .procedimento = "pImportMovimentosAcertoInventario",
      .movimento = "A",
      .tipo = TI_AcertoInventario,
      .titulo = "Importação de Movimentos de Acerto de Inventário"};
  pImportarSemDocumento(kAcerto);
}

void Solucao::pAnularPicagens() {
  static constexpr ImportacaoFixa kAnular{.procedimento = "pAnularPicagens",
                                          .movimento = "X",
                                          .tipo = TI_AnularPicagens,
                                          .titulo = "Anulação de Picagens"};
  pImportarSemDocumento(kAnular);
}

void Solucao::pImportarDaVista(HostViewPtr& oApi, const ImportacaoVista& vista) {
  RaiseAgainAs(vista.procedimento, [&] {
    LateBoundObject& cab = oApi->cab();
    const std::string terceiro = vista.por_terceiro ? CStr(cab.Get("Terceiro")) : "";
    std::string tipo_documento = CStr(cab.Get("TipoDocumento"));
    const int16_t classe = pTipoDocumento(tipo_documento);
    if (classe == -1) {
      dialogs_->MsgBox("Esta operação não é permitida este tipo de documento .", vbExclamation,
                       "Importação");
      return;
    }
    // A type of the other view opens no chooser: the import runs over no reading set.
    Conjuntos escolha;
    if (classe == vista.entrada || classe == vista.entrada + 1) {
      escolha = pEscolher(terceiro, classe == vista.entrada ? "E" : "S", vista.tipo_terceiro);
      if (escolha.cancelado) return;
    }
    ImportRequest pedido({.kind = vista.tipo,
                          .date = CDate(cab.Get("Data")),
                          .currency = CStr(cab.Get("Moeda")),
                          .sector = CStr(cab.Get("Sector")),
                          .series = CStr(cab.Get("Serie")),
                          .third_party = CStr(cab.Get("Terceiro")),
                          .doc_type = tipo_documento},
                         escolha.terminais, escolha.conjuntos);
    MovImportacao importacao;
    pExecutarEMostrar(pedido, importacao, vista.titulo);
  });
}

void Solucao::pImportarSemDocumento(const ImportacaoFixa& fixa) {
  RaiseAgainAs(fixa.procedimento, [&] {
    Conjuntos escolha = pEscolher("", fixa.movimento, kTipoTerceiroSemDocumento);
    if (escolha.cancelado) return;
    ImportRequest pedido({.kind = fixa.tipo, .date = Now()}, escolha.terminais, escolha.conjuntos);
    MovImportacao importacao;
    pExecutarEMostrar(pedido, importacao, fixa.titulo);
  });
}

void Solucao::pImportTransferenciaArmazens() {
  RaiseAgainAs("pImportTransferenciaArmazens", [&] {
    Conjuntos escolha = pEscolher("", "T", kTipoTerceiroTransferencia);
    if (escolha.cancelado) return;
    MovImportacao importacao;
    FrmEditTranf dialogo(factory_.CreateFormSurface(), *dialogs_);
    dialogo.SetTerceiro(importacao.TerceiroGet(escolha.terminais[1], escolha.conjuntos[1]));
    dialogo.SetDataAccess(data_access_);
    dialogo.Editar();
    if (dialogo.Cancelou()) return;
    ImportRequest pedido({.kind = TI_TransferenciasArm,
                          .date = Now(),
                          .sector = dialogo.Sector(),
                          .series = dialogo.Serie(),
                          .third_party = dialogo.Terceiro(),
                          .doc_type = dialogo.TipoDocumento()},
                         escolha.terminais, escolha.conjuntos);
    pExecutarEMostrar(pedido, importacao, "Importação de Transferências de Armazens");
  });
}

void Solucao::pPrcCustoInventario() {
  pPrcCustoEditar("pPrcCustoInventario", "P");
}

void Solucao::pPrcCustoAcertoInventario() {
  pPrcCustoEditar("pPrcCustoAcertoInventario", "T");
}

void Solucao::pPrcCustoEditar(const std::string& procedimento, const std::string& movimento) {
  RaiseAgainAs(procedimento, [&] {
    Conjuntos escolha = pEscolher("", movimento, kTipoTerceiroSemDocumento);
    if (escolha.cancelado) return;
    // The editor prices every reading the lists reach, whatever its state.
    const std::vector<std::string> outros =
        ListedSets(*data_access_, ChosenSets(escolha.terminais, escolha.conjuntos)).Unchosen(false);
    if (!outros.empty()) {
      dialogs_->MsgBox("Nada foi gravado: " + UnchosenSetsText(outros), vbExclamation,
                       "Preços de Custo");
      return;
    }
    frmEditPrcCusto editor(factory_.CreateFormSurface(), *dialogs_);
    editor.SetDataAccess(data_access_);
    editor.Editar(escolha.terminais, escolha.conjuntos);
  });
}

Solucao::Conjuntos Solucao::pEscolher(const std::string& terceiro, const std::string& movimento,
                                      int16_t tipo) {
  Conjuntos escolha;
  pImporMovimentosDlgSelecao(factory_, terceiro, movimento, tipo, escolha.terminais,
                             escolha.conjuntos, escolha.cancelado);
  return escolha;
}

void Solucao::pExecutarEMostrar(ImportRequest& pedido, MovImportacao& importacao,
                                const std::string& titulo) {
  pedido.WriteHeader(importacao);
  const ImportOutcome desfecho = pedido.Run(importacao, picking_api_);
  if (desfecho.refusal) {
    dialogs_->MsgBox(desfecho.refusal->message, vbExclamation, titulo);
  } else {
    dialogs_->MsgBox(desfecho.result.Mensagem(), vbInformation, titulo);
  }
}

}  // namespace pellora
