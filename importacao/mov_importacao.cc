// The import driver: loading, validation and preparation of the readings, the documents made
// per import kind, and the marking of the readings afterwards.

#include "importacao/mov_importacao.h"

#include <exception>

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/definitions.h"
#include "dal/unit_of_work.h"
#include "importacao/step_trap.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/field_values.h"
#include "runtime/text.h"

namespace pellora {
namespace {

constexpr char kCrLf[] = "\r\n";

Result Prefixed(Result result, const std::string& prefix) {
  result.SetMensagem(prefix + result.Mensagem());
  return result;
}

}  // namespace

std::string MovImportacao::TerceiroGet(std::string sTerminal, std::string sConjunto) {
  try {
    leituras_.reset();
    const ChosenSets conjunto({"", sTerminal}, {"", sConjunto});
    if (!LeiturasCarregar(true, conjunto).IsSucesso() || !HasRows(leituras_)) {
      return "";
    }
    leituras_->MoveFirst();
    return UCase(FieldText(*leituras_, "Terceiro"));
  } catch (const std::exception&) {
    return "";
  }
}

// The whole import is one unit of work, taken before the readings are read: another
// workstation waits for it, and a failure or a crash anywhere leaves the company as it was. A
// conflict with another writer is not an outcome but the caller's to run again (ImportRequest).
Result MovImportacao::Execute(PickingApiPtr& VelaApi, bool bSoUm,
                              std::vector<std::string>& sTerminais,
                              std::vector<std::string>& sConjuntos) {
  try {
    UnitOfWork trabalho(ObjectOf(gDataAccess()));
    Result result = Importar(VelaApi, bSoUm, ChosenSets(sTerminais, sConjuntos));
    if (result.IsSucesso()) trabalho.Commit();
    return result;
  } catch (const std::exception& failure) {
    const Error error = AsError(failure);
    if (error.conflict()) throw;
    Result result = Result::FromError(error);
    result.SetMensagem("Execute::" + error.description());
    return result;
  }
}

Result MovImportacao::Importar(PickingApiPtr& VelaApi, bool bSoUm, const ChosenSets& conjuntos) {
  api_ = VelaApi;
  leituras_.reset();
  parametros_ = HlpDb_ParametrosGet();

  Result result = LeiturasCarregar(bSoUm, conjuntos);
  if (!result.IsSucesso()) {
    return Prefixed(result, std::string("Erro ao Ler Conjunto de Leituras.") + kCrLf);
  }
  result = LeiturasValidar();
  if (!result.IsSucesso()) {
    return Prefixed(result,
                    std::string("Erro na Validação do Conjunto de Leituras.") + kCrLf + kCrLf);
  }
  result = LeiturasPreparar();
  if (!result.IsSucesso()) {
    return Prefixed(result, std::string("Erro na Preparação do Conjunto de Leituras.") + kCrLf);
  }
  result = LinhasLimiteVerificar();
  if (!result.IsSucesso()) return result;

  switch (cab_tipo_importacao_) {
    case TI_InventarioInicial:
      CabDeParametros("INVENTSEC", "INVENTSER", "INVENTDOC", tpDefault);
      result = DocumentoCriarSequencia("");
      break;
    case TI_Venda:
    case TI_Compra:
      result = DocumentoCriarSequencia("");
      break;
    case TI_AcertoInventario:
      result = AcertoInventarioExecutar();
      break;
    case TI_TransferenciasArm:
      result = TransferenciaExecutar();
      break;
    case TI_AnularPicagens:
      LeiturasMarcar(bSoUm, conjuntos, 5);
      result.SetMensagem("Anulação de Picagens terminou com êxito.");
      return result;
    default:
      return result;
  }
  if (result.IsSucesso()) LeiturasMarcar(bSoUm, conjuntos, 1);
  return result;
}

Result MovImportacao::LeiturasCarregar(bool bSoUm, const ChosenSets& conjuntos) {
  return RunTrapped([&] {
    switch (cab_tipo_importacao_) {
      case TI_AcertoInventario:
        leituras_ = HlpDb_LeiturasConjuntoParaAcInventarioGet(bSoUm, conjuntos);
        break;
      case TI_InventarioInicial:
        leituras_ = HlpDb_LeiturasConjuntoGet(bSoUm, conjuntos);
        break;
      default:
        leituras_ = HlpDb_LeiturasConjuntoParaDocumGet(bSoUm, conjuntos);
        break;
    }
    return Result();
  });
}

Result MovImportacao::LeiturasValidar() {
  if (cab_tipo_importacao_ != TI_InventarioInicial) return Result();
  return PrecosUnitariosValidar(false);
}

Result MovImportacao::DocumentoCriarSequencia(std::string modo) {
  Result result = DocCabecalhoCriar();
  if (!result.IsSucesso()) return result;
  result = DocLinhasCriar(modo);
  if (!result.IsSucesso()) return result;
  return DocumentoGravar();
}

Result MovImportacao::TransferenciaExecutar() {
  doc_orig_lin_consumidas_ = HlpDb_DocGcLin("-1", -1, "-1", -1);
  cab_tipo_preco_ = tpCustoMedioFlutuante;
  Result result = DocumentoCriarSequencia("");
  if (result.IsSucesso() && doc_orig_lin_consumidas_) {
    HlpDb_DocOrigQuantidadesSet(doc_orig_cab_, doc_orig_lin_consumidas_);
  }
  return result;
}

// Every reading the import loaded is marked, once. The one set of a bSoUm import is marked
// reading by reading, in one transaction; any other choice is marked in one statement over the
// pending readings of the chosen sets, which inside the import's transaction are exactly those
// the loader gave.
void MovImportacao::LeiturasMarcar(bool bSoUm, const ChosenSets& conjuntos, int16_t estado) {
  if (!HasRows(leituras_)) return;
  if (!LeituraALeitura(bSoUm, conjuntos)) {
    const long total = leituras_->RecordCount();
    if (progresso_) progresso_("Marcação", 0, total);
    HlpDb_LeiturasEstadoSet(false, conjuntos, 0, estado);
    if (progresso_) progresso_("Marcação", total, total);
    return;
  }
  UnitOfWork marcacao(ObjectOf(gDataAccess()));
  for (leituras_->MoveFirst(); !leituras_->Eof(); leituras_->MoveNext()) {
    ProgressoInformar("Marcação");
    HlpDb_LeiturasEstadoSet(true, conjuntos, CInt((*leituras_)["NumeroLinha"].Value()), estado);
  }
  marcacao.Commit();
}

// The inventory and adjustment loaders read the set of element 1 only under bSoUm, whatever the
// choice holds; the document loader reads every chosen set.
bool MovImportacao::LeituraALeitura(bool bSoUm, const ChosenSets& conjuntos) const {
  return bSoUm && (conjuntos.IsSingle() || cab_tipo_importacao_ == TI_InventarioInicial ||
                   cab_tipo_importacao_ == TI_AcertoInventario);
}

void MovImportacao::ProgressoInformar(const char* etapa) const {
  if (progresso_) progresso_(etapa, leituras_->AbsolutePosition(), leituras_->RecordCount());
}

void MovImportacao::CabDeParametros(const std::string& sector, const std::string& serie,
                                    const std::string& tipo_documento, int16_t tipo_preco) {
  cab_sector_ = FieldText(*parametros_, sector);
  cab_serie_ = FieldText(*parametros_, serie);
  cab_terceiro_ = FieldText(*parametros_, sector);
  cab_tipo_documento_ = FieldText(*parametros_, tipo_documento);
  cab_tipo_preco_ = tipo_preco;
}

}  // namespace pellora
