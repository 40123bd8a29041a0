#ifndef PELLORA_APP_IMPORT_SETS_H_
#define PELLORA_APP_IMPORT_SETS_H_

#include <string>
#include <vector>

#include "importacao/enums.h"
#include "interfaces/data_access.h"

namespace pellora::app {

// The readings still pending in the chosen sets (`terminals` and `syncs` from index 1, as the
// chooser gives them). UsageError when a set does not exist or holds readings that the import of
// `kind` does not take.
long PendingReadings(DataAccess& data_access, TipoImportacao kind,
                     const std::vector<std::string>& terminals,
                     const std::vector<std::string>& syncs);

// What `pellora import` says when another workstation took every chosen reading first.
inline constexpr char kNothingPending[] =
    "As leituras escolhidas já não estão pendentes: foram importadas ou anuladas noutro posto.";

}  // namespace pellora::app

#endif  // PELLORA_APP_IMPORT_SETS_H_
