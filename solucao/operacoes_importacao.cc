#include <string>

#include "forms/frm_edit_prc_custo.h"
#include "forms/frm_edit_tranf.h"
#include "importacao/enums.h"
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

// An import with no host document: the header is fixed here and completed by the import.
struct Solucao::ImportacaoFixa {
  const char* procedimento;
  const char* movimento;
  TipoImportacao tipo;
  bool escreve_iva;
  bool escreve_tipo_preco;
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
                                              .escreve_iva = true,
                                              .escreve_tipo_preco = false,
                                              .titulo = "Importação de Movimentos de Inventário"};
  pImportarSemDocumento(kInventario);
}

void Solucao::pImportMovimentosAcertoInventario() {
  static constexpr ImportacaoFixa kAcerto{
      .procedimento = "pImportMovimentosAcertoInventario",
      .movimento = "A",
      .tipo = TI_AcertoInventario,
      .escreve_iva = false,
      .escreve_tipo_preco = true,
      .titulo = "Importação de Movimentos de Acerto de Inventário"};
  pImportarSemDocumento(kAcerto);
}

void Solucao::pAnularPicagens() {
  static constexpr ImportacaoFixa kAnular{.procedimento = "pAnularPicagens",
                                          .movimento = "X",
                                          .tipo = TI_AnularPicagens,
                                          .escreve_iva = false,
                                          .escreve_tipo_preco = true,
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
    MovImportacao importacao;
    importacao.SetCabTipoImportacao(vista.tipo);
    importacao.SetCabData(CDate(cab.Get("Data")));
    importacao.SetCabIvaIncluido(false);
    importacao.SetCabMoeda(CStr(cab.Get("Moeda")));
    importacao.SetCabSector(CStr(cab.Get("Sector")));
    importacao.SetCabSerie(CStr(cab.Get("Serie")));
    importacao.SetCabTerceiro(CStr(cab.Get("Terceiro")));
    importacao.SetCabTipoDocumento(tipo_documento);
    importacao.SetCabTipoPreco(tpDefault);
    pExecutarEMostrar(importacao, true, escolha, vista.titulo);
  });
}

void Solucao::pImportarSemDocumento(const ImportacaoFixa& fixa) {
  RaiseAgainAs(fixa.procedimento, [&] {
    Conjuntos escolha = pEscolher("", fixa.movimento, kTipoTerceiroSemDocumento);
    if (escolha.cancelado) return;
    MovImportacao importacao;
    importacao.SetCabTipoImportacao(fixa.tipo);
    importacao.SetCabData(Now());
    if (fixa.escreve_iva) importacao.SetCabIvaIncluido(false);
    importacao.SetCabMoeda("EUR");
    importacao.SetCabSector("");
    importacao.SetCabSerie("1");
    importacao.SetCabTerceiro("");
    importacao.SetCabTipoDocumento("");
    if (fixa.escreve_tipo_preco) importacao.SetCabTipoPreco(tpDefault);
    pExecutarEMostrar(importacao, false, escolha, fixa.titulo);
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
    importacao.SetCabTipoImportacao(TI_TransferenciasArm);
    importacao.SetCabData(Now());
    importacao.SetCabMoeda("EUR");
    importacao.SetCabSector(dialogo.Sector());
    importacao.SetCabSerie(dialogo.Serie());
    importacao.SetCabTerceiro(dialogo.Terceiro());
    importacao.SetCabTipoDocumento(dialogo.TipoDocumento());
    importacao.SetCabTipoPreco(tpManual);
    pExecutarEMostrar(importacao, false, escolha, "Importação de Transferências de Armazens");
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

void Solucao::pExecutarEMostrar(MovImportacao& importacao, bool bSoUm, Conjuntos& escolha,
                                const std::string& titulo) {
  const Result resultado =
      importacao.Execute(picking_api_, bSoUm, escolha.terminais, escolha.conjuntos);
  dialogs_->MsgBox(resultado.Mensagem(), vbInformation, titulo);
}

}  // namespace pellora
