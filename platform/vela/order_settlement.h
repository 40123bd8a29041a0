#ifndef PELLORA_PLATFORM_VELA_ORDER_SETTLEMENT_H_
#define PELLORA_PLATFORM_VELA_ORDER_SETTLEMENT_H_

#include "interfaces/data_access.h"
#include "platform/vela/document_content.h"

namespace pellora::vela {

// A document whose lines name an original order line (OrDoc, OrSerie, OrNum, OrAno,
// LinhaOriginal) serves that order: the original line keeps what is still to deliver (QUANT,
// never below 0), the article's and warehouse's quantities on open orders go down by what was
// served, and an order with nothing left to deliver is marked converted ([CONVERT] = -1).
void SettleOriginalOrders(DataAccess& data_access, const DocumentContent& document);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_ORDER_SETTLEMENT_H_
