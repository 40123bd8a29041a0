#ifndef PELLORA_IMPORTACAO_MOV_IMPORTACAO_H_
#define PELLORA_IMPORTACAO_MOV_IMPORTACAO_H_

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dal/reading_lists.h"
#include "importacao/enums.h"
#include "importacao/line_plan.h"
#include "importacao/result.h"
#include "interfaces/vela.h"
#include "runtime/recordset.h"
#include "runtime/variant.h"

namespace pellora {

// Turns one or more reading sets into host documents. One object serves one import: the caller
// writes the header properties, optionally asks TerceiroGet, then calls Execute once.
class MovImportacao {
 public:
  // ---- Public members, in the class's interface order.
  void SetCabTipoImportacao(int32_t value) { cab_tipo_importacao_ = value; }
  void SetCabTipoDocumento(const std::string& value) { cab_tipo_documento_ = value; }
  void SetCabSector(const std::string& value) { cab_sector_ = value; }
  void SetCabSerie(const std::string& value) { cab_serie_ = value; }
  void SetCabTerceiro(const std::string& value) { cab_terceiro_ = value; }
  void SetCabTipoTerceiro(int16_t value) { cab_tipo_terceiro_ = value; }
  void SetCabTipoPreco(int16_t value) { cab_tipo_preco_ = value; }
  void SetCabData(Date value) { cab_data_ = value; }
  void SetCabMoeda(const std::string& value) { cab_moeda_ = value; }
  void SetCabIvaIncluido(bool value) { cab_iva_incluido_ = value; }

  // The customer or supplier of one reading set (upper case), or "" when there is none.
  std::string TerceiroGet(std::string sTerminal, std::string sConjunto);
  // Never throws: every failure comes back as the Result.
  Result Execute(PickingApiPtr& VelaApi, bool bSoUm, std::vector<std::string>& sTerminais,
                 std::vector<std::string>& sConjuntos);
  // A new, empty original-document key list (Tipo, Serie, Numero, Ano).
  RecordsetPtr LeitDocOriginaisBuid();
  // Adds a key to the object's list unless it is already there.
  void LeitDocOriginaisAdd(std::string Tipo, std::string sSerie, int32_t Numero, int16_t Ano);

  // Not part of the host's interface: how far a long import has gone, for a progress display.
  // Told the stage ("Linhas", "Marcação"), the readings done and the readings in all.
  using Progresso = std::function<void(const char* etapa, long feitas, long total)>;
  void SetProgresso(Progresso progresso) { progresso_ = std::move(progresso); }

 private:
  // A unit of an article against the article's base unit (ARTIGOS.UNIDADE): the base unit and
  // the factor that brings a quantity in the unit to it.
  struct UnidadeBase {
    std::string unidade;
    double factor = 1;
  };

  // Working state of one run of the lines builder.
  struct LinhasEstado {
    LinhaAnterior anterior;
    ChaveDoOriginal original;
    int16_t ultima_linha = 0;
    double quantidade = 0;
    double factor_linha = 1;
    Result result;
    // Adjustments: the articles and warehouses whose stock is written off, and the base unit of
    // each article and unit met.
    std::set<std::pair<std::string, std::string>> lugares_abatidos;
    std::map<std::pair<std::string, std::string>, UnidadeBase> unidades;
  };

  // ---- Execute and its steps (mov_importacao.cc)
  Result Importar(PickingApiPtr& VelaApi, bool bSoUm, const ChosenSets& conjuntos);
  Result LeiturasCarregar(bool bSoUm, const ChosenSets& conjuntos);
  Result LeiturasValidar();
  // ---- The document's line limit (line_limit.cc)
  long LinhasPrevistas();
  long LinhasDeLeiturasPrevistas();
  long LinhasDeAcertoPrevistas();
  Result LinhasLimiteVerificar();
  static void LinhaNumeroVerificar(const LateBoundObject& linha);
  Result DocumentoCriarSequencia(std::string modo);
  Result AcertoInventarioExecutar();
  Result TransferenciaExecutar();
  void LeiturasMarcar(bool bSoUm, const ChosenSets& conjuntos, int16_t estado);
  // Whether the readings loaded are marked one by one, by their line in the set of element 1.
  bool LeituraALeitura(bool bSoUm, const ChosenSets& conjuntos) const;
  // Fills the header properties from one group of the parameters row.
  void CabDeParametros(const std::string& sector, const std::string& serie,
                       const std::string& tipo_documento, int16_t tipo_preco);

  // ---- Original documents and unit prices (reading_preparation.cc)
  Result PrecosUnitariosValidar(bool so_negativos);
  Result LeiturasPreparar();
  // Each reading's PrUnitCalculado for the import kind.
  void PrecosCalcular();

  // ---- Document header (document_header.cc)
  Result DocCabecalhoCriar();
  // Copies the original document's header into `cab` and reads its free fields.
  void CabecalhoDoOriginal(LateBoundObject& cab);
  bool SerieOrigemGet(const std::string& tipo, const std::string& serie);

  // ---- Document lines (document_lines.cc, original_lines.cc, line_items.cc, adjustment_lines.cc)
  Result DocLinhasCriar(std::string& modo);
  void LoteAdd(const std::string& nosso_lote, const std::string& vosso_lote,
               const std::string& artigo, const std::string& armazem, int16_t numero_linha,
               double quantidade, const std::string& validade);
  void NumeroSerieAdd(const std::string& numero_serie, int16_t numero_linha,
                      const std::string& artigo, const std::string& armazem);
  double FactorUnidade(const std::string& artigo, const std::string& unidade);
  // The article's base unit and the factor of `unidade` (a reading's own unit and factor 1 for
  // an article the host does not know).
  UnidadeBase UnidadeBaseDe(const std::string& artigo, const std::string& unidade);
  // A line filled up to its unit, not yet added; LinhaAdicionar adds it and gives its number.
  LateBoundPtr LinhaNova(const std::string& artigo, const std::string& armazem,
                         const std::string& unidade, double quantidade, double preco);
  int16_t LinhaAdicionar(const LateBoundPtr& linha);
  // Adds a lot entry (none for an empty own lot); `validade` already as "dd-mm-yyyy" or empty.
  void LoteRegistar(const std::string& nosso_lote, const std::string& vosso_lote,
                    const std::string& artigo, const std::string& armazem,
                    const std::string& validade, double quantidade, int16_t numero_linha);
  // Steps of one run over the readings (document_lines.cc, original_lines.cc).
  void LeiturasPercorrer(LinhasEstado& estado);
  void LeituraColocar(LinhasEstado& estado);
  void LinhaAnteriorSomar(LinhasEstado& estado);
  void ItensDaLeitura(LinhasEstado& estado);
  void LeituraConsumir(double quantidade);
  void LinhaDeLeituraNova(LinhasEstado& estado);
  void OriginalMudar(LinhasEstado& estado);
  void LinhaDeTextoAdd(const std::string& descricao, LinhasEstado& estado);
  void QuantidadeDoOriginal(LateBoundObject& linha, LinhasEstado& estado);
  void LinhasConsumidasCopiar();
  // The inventory adjustment's loop and rules (adjustment_lines.cc).
  void AcertoLinhasCriar(const std::string& modo, Recordset& parametros, LinhasEstado& estado);
  void QuebraSobraAplicar(bool quebra, LinhasEstado& estado);
  void NumerosSerieQuebrar(const std::string& artigo, const std::string& armazem,
                           LinhasEstado& estado);
  void AcertoFinalAplicar(LinhasEstado& estado);
  void LinhaDeAcertoNova(const UnidadeBase& base, LinhasEstado& estado);
  const UnidadeBase& UnidadeDaLeitura(LinhasEstado& estado);
  // Adds a line in the base unit `unidade_base`, Factor 1, and gives its number.
  int16_t LinhaDeAcertoAdd(const std::string& artigo, const std::string& armazem,
                           const std::string& unidade_base, double quantidade, double preco);

  // ---- Document creation (document_creation.cc)
  Result DocumentoGravar();
  // Writes the original's free header fields under the new document's key.
  void CamposLivresCopiar(const std::string& tipo, int32_t numero, const std::string& serie,
                          int16_t ano);

  void ProgressoInformar(const char* etapa) const;

  // ---- State
  Progresso progresso_;
  PickingApiPtr api_;
  RecordsetPtr leituras_;
  RecordsetPtr doc_orig_cab_;
  RecordsetPtr doc_orig_lin_;
  RecordsetPtr doc_orig_lin_consumidas_;
  RecordsetPtr doc_originais_;
  RecordsetPtr parametros_;
  HostDocumentPtr documento_;
  RecordsetPtr cp_livres_orig_;

  std::string doc_orig_tipo_;
  std::string doc_orig_serie_;
  int32_t doc_orig_numero_ = -1;
  int16_t doc_orig_ano_ = -1;

  int32_t cab_tipo_importacao_ = TI_InventarioInicial;
  std::string cab_tipo_documento_;
  std::string cab_sector_;
  std::string cab_serie_;
  std::string cab_terceiro_;
  int16_t cab_tipo_terceiro_ = 0;
  int16_t cab_tipo_preco_ = tpDefault;
  Date cab_data_;
  std::string cab_moeda_;
  bool cab_iva_incluido_ = false;
};

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_MOV_IMPORTACAO_H_
