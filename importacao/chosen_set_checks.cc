#include "importacao/chosen_set_checks.h"

#include <map>
#include <set>

#include "runtime/convert.h"
#include "runtime/field_values.h"
#include "runtime/text.h"

namespace pellora {
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

// How a set is known once its readings come back from the company: codes compare without regard
// to case, as the lists select them.
std::string SetKey(const std::string& terminal, const std::string& sync) {
  return UCase(terminal) + "|" + UCase(sync);
}

}  // namespace

ListedSets::ListedSets(DataAccess& data_access, const ChosenSets& sets) : sets_(sets) {
  std::set<std::string> chosen;
  for (size_t set = 1; set < sets.terminals().size(); ++set) {
    chosen.insert(SetKey(sets.terminals()[set], sets.syncs()[set]));
  }
  RecordsetPtr kinds;
  data_access.OpenRecordset("ListedSets",
                            "SELECT [TerminalId], [DataSync], ISNULL([TipoMov], '') AS TipoMov, "
                            "SUM(CASE WHEN [Estado]=0 THEN 1 ELSE 0 END) AS Pendentes "
                            "FROM oru_ARM_Picking_Movimentos WHERE " +
                                sets.InLists() + " GROUP BY [TerminalId], [DataSync], [TipoMov]",
                            kinds, true, 0);
  for (MoveToFirstRow(*kinds); !kinds->Eof(); kinds->MoveNext()) {
    const std::string terminal = FieldText(*kinds, "TerminalId");
    const std::string sync = FieldText(*kinds, "DataSync");
    const std::string key = SetKey(terminal, sync);
    listed_.push_back(Listed{terminal + "|" + sync, key, FieldText(*kinds, "TipoMov"),
                             CLng(FieldNumber(*kinds, "Pendentes")), chosen.count(key) > 0});
  }
}

std::string ListedSets::KindFault(TipoImportacao kind) const {
  const KindReadings& taken = ReadingsOf(kind);
  for (size_t set = 1; set < sets_.terminals().size(); ++set) {
    const std::string id = sets_.terminals()[set] + "|" + sets_.syncs()[set];
    const std::string key = SetKey(sets_.terminals()[set], sets_.syncs()[set]);
    bool found = false;
    for (const Listed& listed : listed_) {
      if (listed.key != key) continue;
      found = true;
      const std::string& code = listed.movement;
      if (!taken.codes.empty() &&
          (code.size() != 1 || taken.codes.find(code) == std::string::npos)) {
        return "O conjunto " + id + " tem leituras do tipo " + code + ", não de " + taken.name +
               ".";
      }
    }
    if (!found) return "O conjunto " + id + " não existe.";
  }
  return "";
}

std::vector<std::string> ListedSets::Unchosen(bool pending_only) const {
  std::set<std::string> unchosen;
  for (const Listed& listed : listed_) {
    if (!listed.chosen && (listed.pending > 0 || !pending_only)) unchosen.insert(listed.id);
  }
  return {unchosen.begin(), unchosen.end()};
}

long ListedSets::ChosenPending() const {
  long pending = 0;
  for (const Listed& listed : listed_) {
    if (listed.chosen) pending += listed.pending;
  }
  return pending;
}

std::string UnchosenSetsText(const std::vector<std::string>& unchosen) {
  std::string ids;
  for (const std::string& id : unchosen) ids += (ids.empty() ? "" : ", ") + id;
  const bool one = unchosen.size() == 1;
  return std::string("os conjuntos escolhidos abrangem também as leituras ") +
         (one ? "do conjunto " : "dos conjuntos ") + ids +
         (one ? ", que não foi escolhido" : ", que não foram escolhidos") +
         ". Escolha um conjunto de cada vez.";
}

}  // namespace pellora
