#include "app/import_sets.h"

#include <map>

#include "app/command_line.h"
#include "runtime/convert.h"
#include "runtime/field_values.h"
#include "runtime/text.h"

namespace pellora::app {
namespace {

// The reading kinds (TipoMov) each import takes, and how a message names the import.
struct KindReadings {
  std::string codes;
  std::string name;
};

const KindReadings& ReadingsOf(TipoImportacao kind) {
  static const std::map<TipoImportacao, KindReadings> kReadings = {
      {TI_InventarioInicial, {"I", "inventário (I)"}},
      {TI_Venda, {"SE", "venda (S ou E)"}},
      {TI_Compra, {"ES", "compra (E ou S)"}},
      {TI_AcertoInventario, {"A", "acerto de inventário (A)"}},
      {TI_TransferenciasArm, {"T", "transferência (T)"}},
      {TI_AnularPicagens, {"", "anulação"}},
  };
  return kReadings.at(kind);
}

// How one set of a choice is known once its readings come back from the company: codes compare
// without regard to case.
std::string SetKey(const std::string& terminal, const std::string& sync) {
  return UCase(terminal) + "|" + UCase(sync);
}

}  // namespace

long PendingReadings(DataAccess& data_access, TipoImportacao kind, const ChosenSets& sets) {
  const KindReadings& taken = ReadingsOf(kind);
  // The lists select every chosen terminal with every chosen sync: rows of pairs nobody chose
  // are passed over.
  RecordsetPtr kinds;
  data_access.OpenRecordset("PendingReadings",
                            "SELECT [TerminalId], [DataSync], ISNULL([TipoMov], '') AS TipoMov, "
                            "SUM(CASE WHEN [Estado]=0 THEN 1 ELSE 0 END) AS Pendentes "
                            "FROM oru_ARM_Picking_Movimentos WHERE " +
                                sets.InLists() + " GROUP BY [TerminalId], [DataSync], [TipoMov]",
                            kinds, true, 0);
  std::map<std::string, std::vector<std::pair<std::string, long>>> found;  // per set key
  for (MoveToFirstRow(*kinds); !kinds->Eof(); kinds->MoveNext()) {
    found[SetKey(FieldText(*kinds, "TerminalId"), FieldText(*kinds, "DataSync"))].emplace_back(
        FieldText(*kinds, "TipoMov"), CLng(FieldNumber(*kinds, "Pendentes")));
  }
  long pending = 0;
  for (size_t set = 1; set < sets.terminals().size(); ++set) {
    const std::string id = sets.terminals()[set] + "|" + sets.syncs()[set];
    const auto readings = found.find(SetKey(sets.terminals()[set], sets.syncs()[set]));
    if (readings == found.end()) throw UsageError("O conjunto " + id + " não existe.");
    for (const auto& [code, count] : readings->second) {
      if (!taken.codes.empty() &&
          (code.size() != 1 || taken.codes.find(code) == std::string::npos)) {
        throw UsageError("O conjunto " + id + " tem leituras do tipo " + code + ", não de " +
                         taken.name + ".");
      }
      pending += count;
    }
  }
  return pending;
}

}  // namespace pellora::app
