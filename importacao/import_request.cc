#include "importacao/import_request.h"

#include <utility>

#include "dal/conflict_retry.h"
#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/definitions.h"
#include "dal/reading_lists.h"
#include "dal/unit_of_work.h"
#include "importacao/chosen_set_checks.h"
#include "importacao/reading_checks.h"
#include "runtime/field_values.h"

namespace pellora {
namespace {

constexpr char kNothingPending[] =
    "As leituras escolhidas já não estão pendentes: foram importadas ou anuladas noutro posto.";
constexpr char kNothingImported[] = "Nada foi importado: ";

ImportRefusal Refused(ImportRefusal::Reason reason, std::string message) {
  return ImportRefusal{reason, std::move(message)};
}

}  // namespace

ImportRequest::ImportRequest(ImportHeader header, std::vector<std::string> terminals,
                             std::vector<std::string> syncs)
    : header_(std::move(header)), terminals_(std::move(terminals)), syncs_(std::move(syncs)) {}

bool ImportRequest::OneSet() const {
  return header_.kind == TI_Venda || header_.kind == TI_Compra;
}

void ImportRequest::WriteHeader(MovImportacao& import) const {
  switch (header_.kind) {
    case TI_InventarioInicial:
    case TI_AcertoInventario:
    case TI_AnularPicagens:
      import.SetCabTipoImportacao(header_.kind);
      import.SetCabData(header_.date);
      if (header_.kind == TI_InventarioInicial) import.SetCabIvaIncluido(false);
      import.SetCabMoeda("EUR");
      import.SetCabSector("");
      import.SetCabSerie("1");
      import.SetCabTerceiro("");
      import.SetCabTipoDocumento("");
      if (header_.kind != TI_InventarioInicial) import.SetCabTipoPreco(tpDefault);
      return;
    case TI_Venda:
    case TI_Compra:
      import.SetCabTipoImportacao(header_.kind);
      import.SetCabData(header_.date);
      import.SetCabIvaIncluido(false);
      import.SetCabMoeda(header_.currency);
      import.SetCabSector(header_.sector.value_or(""));
      import.SetCabSerie(header_.series.value_or(""));
      import.SetCabTerceiro(header_.third_party.value_or(""));
      import.SetCabTipoDocumento(header_.doc_type.value_or(""));
      import.SetCabTipoPreco(tpDefault);
      return;
    case TI_TransferenciasArm: {
      // The dialog of the host operation always answers; a command line may leave texts out.
      RecordsetPtr parameters;
      auto parameter = [&parameters](const char* column) {
        if (!parameters) parameters = HlpDb_ParametrosGet();
        return HasRows(parameters) ? FieldText(*parameters, column) : "";
      };
      const std::string sector = header_.sector ? *header_.sector : parameter("TRANSFSEC");
      const std::string series = header_.series ? *header_.series : parameter("TRANSFSER");
      const std::string doc_type = header_.doc_type ? *header_.doc_type : parameter("TRANSFDOC");
      const std::string destination = header_.third_party
                                          ? *header_.third_party
                                          : import.TerceiroGet(terminals_.at(1), syncs_.at(1));
      import.SetCabTipoImportacao(TI_TransferenciasArm);
      import.SetCabData(header_.date);
      import.SetCabMoeda("EUR");
      import.SetCabSector(sector);
      import.SetCabSerie(series);
      import.SetCabTerceiro(destination);
      import.SetCabTipoDocumento(doc_type);
      import.SetCabTipoPreco(tpManual);
      return;
    }
  }
}

// The choice first, then whether the lists reach sets nobody chose (their readings would be
// imported too), then whether anything is left to import, then the readings themselves.
std::optional<ImportRefusal> ImportRequest::Refusal(DataAccess& data_access) const {
  if (terminals_.size() < 2 || syncs_.size() < 2) return std::nullopt;
  const ChosenSets sets(terminals_, syncs_);
  const ListedSets listed(data_access, sets);
  const std::string kind_fault = listed.KindFault(header_.kind);
  if (!kind_fault.empty()) return Refused(ImportRefusal::Reason::kChoice, kind_fault);
  const std::vector<std::string> unchosen = listed.Unchosen(true);
  if (!unchosen.empty()) {
    return Refused(ImportRefusal::Reason::kReadings, kNothingImported + UnchosenSetsText(unchosen));
  }
  if (listed.ChosenPending() == 0) {
    return Refused(ImportRefusal::Reason::kReadings, kNothingPending);
  }
  const std::string faults = ReadingFaults(data_access, header_.kind, sets);
  if (faults.empty()) return std::nullopt;
  return Refused(
      ImportRefusal::Reason::kReadings,
      std::string(kNothingImported) + "há leituras que não se podem importar.\n" + faults);
}

ImportOutcome ImportRequest::Run(MovImportacao& import, PickingApiPtr& api) {
  return RetriedOnConflict([&]() -> ImportOutcome {
    UnitOfWork work(ObjectOf(gDataAccess()));
    if (std::optional<ImportRefusal> refusal = Refusal(*gDataAccess())) return {refusal, Result()};
    Result result = import.Execute(api, OneSet(), terminals_, syncs_);
    if (result.IsSucesso()) work.Commit();
    return {std::nullopt, result};
  });
}

}  // namespace pellora
