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

}  // namespace

long PendingReadings(DataAccess& data_access, TipoImportacao kind,
                     const std::vector<std::string>& terminals,
                     const std::vector<std::string>& syncs) {
  const KindReadings& taken = ReadingsOf(kind);
  long pending = 0;
  for (size_t set = 1; set < terminals.size(); ++set) {
    const std::string id = terminals[set] + "|" + syncs[set];
    RecordsetPtr kinds;
    data_access.OpenRecordset(
        "PendingReadings",
        "SELECT ISNULL([TipoMov], '') AS TipoMov, SUM(CASE WHEN [Estado]=0 THEN 1 ELSE 0 END) "
        "AS Pendentes FROM oru_ARM_Picking_Movimentos WHERE [TerminalId]=N'" +
            QuoteEscape(terminals[set]) + "' AND [DataSync]=N'" + QuoteEscape(syncs[set]) +
            "' GROUP BY [TipoMov]",
        kinds, true, 0);
    if (!HasRows(kinds)) throw UsageError("O conjunto " + id + " não existe.");
    for (kinds->MoveFirst(); !kinds->Eof(); kinds->MoveNext()) {
      const std::string code = FieldText(*kinds, "TipoMov");
      if (!taken.codes.empty() &&
          (code.size() != 1 || taken.codes.find(code) == std::string::npos)) {
        throw UsageError("O conjunto " + id + " tem leituras do tipo " + code + ", não de " +
                         taken.name + ".");
      }
      pending += CLng(FieldNumber(*kinds, "Pendentes"));
    }
  }
  return pending;
}

}  // namespace pellora::app
