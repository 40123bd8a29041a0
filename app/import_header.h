#ifndef PELLORA_APP_IMPORT_HEADER_H_
#define PELLORA_APP_IMPORT_HEADER_H_

#include <optional>
#include <string>
#include <vector>

#include "importacao/enums.h"
#include "importacao/mov_importacao.h"
#include "runtime/date.h"

namespace pellora::app {

// What the host operation of an import kind knows when it writes the import's header: the
// document on screen for sales and purchases, the transfer dialog's choices for transfers.
// A transfer's missing texts default to the parameters and the reading set's warehouse.
struct ImportHeader {
  TipoImportacao kind = TI_InventarioInicial;
  Date date;
  std::string currency = "EUR";
  std::optional<std::string> sector;
  std::optional<std::string> series;
  std::optional<std::string> third_party;
  std::optional<std::string> doc_type;
};

// The bSoUm the host operation of `kind` passes to Execute: the document views import into one
// document (True); the menu operations run over every chosen set (False).
bool OperationPassesOneSet(TipoImportacao kind);

// Writes the header the host operation of `header.kind` gives the import: fixed values for the
// stock operations, the given document for sales and purchases, the transfer's choices.
void WriteImportHeader(const ImportHeader& header, MovImportacao& import,
                       std::vector<std::string>& terminals, std::vector<std::string>& syncs);

}  // namespace pellora::app

#endif  // PELLORA_APP_IMPORT_HEADER_H_
