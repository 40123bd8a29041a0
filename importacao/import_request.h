#ifndef PELLORA_IMPORTACAO_IMPORT_REQUEST_H_
#define PELLORA_IMPORTACAO_IMPORT_REQUEST_H_

#include <optional>
#include <string>
#include <vector>

#include "importacao/enums.h"
#include "importacao/mov_importacao.h"
#include "importacao/result.h"
#include "interfaces/data_access.h"
#include "interfaces/vela.h"
#include "runtime/date.h"

namespace pellora {

// What the host operation of an import kind knows when it writes the import's header: the
// document on screen for sales and purchases, the transfer dialog's choices for transfers.
// A transfer's missing texts default to the parameters and the reading set's warehouse.
struct ImportHeader {
  TipoImportacao kind = TI_InventarioInicial;
  Date date;
  std::string currency = "EUR";
  std::optional<std::string> sector = std::nullopt;
  std::optional<std::string> series = std::nullopt;
  std::optional<std::string> third_party = std::nullopt;
  std::optional<std::string> doc_type = std::nullopt;
};

// Why an import did not start. Nothing was written.
struct ImportRefusal {
  enum class Reason {
    kChoice,    // a chosen set does not exist or holds readings the import does not take
    kReadings,  // the readings as they stand: taken already, unsound, or reaching unchosen sets
  };
  Reason reason;
  std::string message;
};

struct ImportOutcome {
  std::optional<ImportRefusal> refusal;  // when set, nothing was tried
  Result result;                         // what Execute returned otherwise
};

// One import of chosen reading sets, whoever asks for it: the host's operations and views, the
// desktop through them, `pellora import` and the terminals. It writes the header its host
// operation writes and refuses readings the documents would not hold as read, the same way for
// every caller.
class ImportRequest {
 public:
  // `terminals` and `syncs` are the chooser's parallel arrays, filled from element 1.
  ImportRequest(ImportHeader header, std::vector<std::string> terminals,
                std::vector<std::string> syncs);

  // The bSoUm the host operation of the kind passes to Execute: the document views import into
  // one document (True); the menu operations run over every chosen set (False).
  bool OneSet() const;

  // Writes exactly the header properties the host operation of the kind writes, in its order:
  // fixed values for the stock operations, the given document for sales and purchases, the
  // transfer's choices.
  void WriteHeader(MovImportacao& import) const;

  // Why the chosen readings cannot be imported now, or nullopt. Read through `data_access` in
  // its open transaction, if any. An empty choice is left to Execute, which reports it.
  std::optional<ImportRefusal> Refusal(DataAccess& data_access) const;

  // The checks and Execute in one unit of work on gDataAccess, taken before anything is read: a
  // second workstation waits for it, then finds the readings gone. Committed only when the import
  // succeeds, and closed before returning, so the caller's message box runs outside it.
  ImportOutcome Run(MovImportacao& import, PickingApiPtr& api);

 private:
  ImportHeader header_;
  std::vector<std::string> terminals_;
  std::vector<std::string> syncs_;
};

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_IMPORT_REQUEST_H_
