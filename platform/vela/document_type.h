#ifndef PELLORA_PLATFORM_VELA_DOCUMENT_TYPE_H_
#define PELLORA_PLATFORM_VELA_DOCUMENT_TYPE_H_

#include <optional>
#include <string>

#include "interfaces/data_access.h"

namespace pellora::vela {

// What a document type (TPDOC) tells the host about its documents.
struct DocumentType {
  enum class Stock { kNone = 0, kEntry = 1, kExit = 2, kTransfer = 3 };  // TPFSTC
  enum class Counterpart { kNone = 0, kSupplier = 1, kCustomer = 2 };    // ENTIDADE
  static constexpr int kSaleOperation = 2;                               // TPOPER

  std::string code;
  int area = 0;       // AREAG
  int operation = 0;  // TPOPER
  Counterpart counterpart = Counterpart::kNone;
  Stock stock = Stock::kNone;
  bool credit_note = false;  // NOTACRED

  bool IsSale() const { return operation == kSaleOperation; }
  // Exits and transfers take stock out of the line's warehouse.
  bool TakesStockOut() const { return stock == Stock::kExit || stock == Stock::kTransfer; }
  // +1 for entries, -1 for exits, 0 for transfers and documents that move no stock.
  int StockSign() const;
};

std::optional<DocumentType> FindDocumentType(DataAccess& data_access, const std::string& code);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_DOCUMENT_TYPE_H_
