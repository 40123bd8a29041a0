#ifndef PELLORA_APP_IMPORT_SETS_H_
#define PELLORA_APP_IMPORT_SETS_H_

#include <string>
#include <vector>

#include "dal/reading_lists.h"
#include "importacao/enums.h"
#include "interfaces/data_access.h"

namespace pellora::app {

// The readings still pending in the chosen sets, read in one query however many sets there are.
// UsageError when a set does not exist or holds readings that the import of `kind` does not take.
long PendingReadings(DataAccess& data_access, TipoImportacao kind, const ChosenSets& sets);

// What `pellora import` says when another workstation took every chosen reading first.
inline constexpr char kNothingPending[] =
    "As leituras escolhidas já não estão pendentes: foram importadas ou anuladas noutro posto.";

}  // namespace pellora::app

#endif  // PELLORA_APP_IMPORT_SETS_H_
