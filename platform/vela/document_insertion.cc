#include "platform/vela/document_insertion.h"

#include <optional>

#include "platform/vela/document_numbering.h"
#include "platform/vela/document_rows.h"
#include "platform/vela/document_type.h"
#include "platform/vela/member_values.h"
#include "platform/vela/order_settlement.h"
#include "platform/vela/stock_movement.h"
#include "runtime/date.h"
#include "runtime/error.h"

namespace pellora::vela {

DocumentKey InsertDocument(DataAccess& data_access, DocumentContent& document) {
  const std::optional<DocumentType> type =
      FindDocumentType(data_access, TextMember(document.cab, "TipoDocumento"));
  const std::optional<Date> date = DateMember(document.cab, "Data");
  if (!type || !date) RaiseRuntimeError(kInvalidProcedureCall, "Vela");
  DocumentKey key{type->code, TextMember(document.cab, "Serie"),
                  static_cast<int16_t>(PartsOf(*date).year), 0};
  data_access.BeginTransaction();
  try {
    key.number = TakeNextNumber(data_access, key);
    InsertDocumentRows(data_access, document, *type, key);
    ApplyStockEffect(data_access, document, *type, key);
    SettleOriginalOrders(data_access, document);
    data_access.CommitTransaction();
  } catch (...) {
    data_access.RollbackTransaction();
    throw;
  }
  document.cab.Set("NossoNoDocumento", key.number);
  document.cab.Set("Ano", key.year);
  return key;
}

}  // namespace pellora::vela
