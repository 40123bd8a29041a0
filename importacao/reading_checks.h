#ifndef PELLORA_IMPORTACAO_READING_CHECKS_H_
#define PELLORA_IMPORTACAO_READING_CHECKS_H_

#include <optional>
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

// One reading's fault, and where the reading is.
struct ReadingFault {
  std::string sync, terminal;
  double line;            // NumeroLinha
  std::string line_text;  // NumeroLinha as the table gives it
  double order;           // Ordenaca
  std::string text;
};
// Every fault of those readings, set by set in line order.
std::vector<ReadingFault> ReadingFaultList(DataAccess& data_access, TipoImportacao kind,
                                           const ChosenSets& sets);
// The fault of a reading's text `text` in column `column` of `defined_size` characters (0: no
// limit), as the checks above find it, or nothing: for callers that check a text before it is
// written.
std::optional<std::string> ReadingTextFault(const std::string& column, const std::string& text,
                                            long defined_size);

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_READING_CHECKS_H_
