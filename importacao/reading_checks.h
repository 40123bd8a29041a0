#ifndef PELLORA_IMPORTACAO_READING_CHECKS_H_
#define PELLORA_IMPORTACAO_READING_CHECKS_H_

#include <string>
#include <vector>

#include "dal/reading_lists.h"
#include "importacao/enums.h"
#include "interfaces/data_access.h"

namespace pellora {

// What is wrong with the pending readings of the chosen sets that an import of `kind` would
// otherwise store as something the terminal never read: a missing or unknown article, warehouse
// or unit, a quantity that is negative, of no sane size or too small for a document to keep, a
// text longer than its column or holding control characters. One line per fault, at most ten,
// joined by line ends; "" when the readings are sound. Cancelling takes any reading. The readings
// are read through `data_access`, in its open transaction if any: a set written but not yet
// committed is checked as it will be.
std::string ReadingFaults(DataAccess& data_access, TipoImportacao kind, const ChosenSets& sets);

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_READING_CHECKS_H_
