#ifndef PELLORA_PLATFORM_VELA_DOCUMENT_NUMBERING_H_
#define PELLORA_PLATFORM_VELA_DOCUMENT_NUMBERING_H_

#include <cstdint>

#include "interfaces/data_access.h"
#include "platform/vela/insert_statement.h"

namespace pellora::vela {

// Takes the next number of the key's type, series and year (NUMERADOR), never below a number
// already used in DOCGCCAB, and records it as the last one given. Run inside the transaction
// that inserts the document, so that a rolled back insert gives its number back.
int32_t TakeNextNumber(DataAccess& data_access, const DocumentKey& key);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_DOCUMENT_NUMBERING_H_
