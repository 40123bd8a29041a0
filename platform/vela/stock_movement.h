#ifndef PELLORA_PLATFORM_VELA_STOCK_MOVEMENT_H_
#define PELLORA_PLATFORM_VELA_STOCK_MOVEMENT_H_

#include "interfaces/data_access.h"
#include "platform/vela/document_content.h"
#include "platform/vela/document_type.h"
#include "platform/vela/insert_statement.h"

namespace pellora::vela {

// Records the document's lot and serial-number entries (LOTESMOV, NSERMOV) and applies the stock
// effect of its type. Stock moves in the article's base unit, Quantidade × Factor: an entry adds
// to the line's warehouse (ARTARM, created when missing) and to the article's total (ARTIGOS),
// an exit takes away from both, a transfer moves from the line's warehouse to the destination
// warehouse named in the header's Terceiro. Serial numbers enter, leave or change warehouse in
// NSEREXIS likewise; a serial number that is not where it has to be raises an error.
void ApplyStockEffect(DataAccess& data_access, const DocumentContent& document,
                      const DocumentType& type, const DocumentKey& key);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_STOCK_MOVEMENT_H_
