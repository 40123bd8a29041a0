#ifndef PELLORA_PLATFORM_VELA_DOCUMENT_INSERTION_H_
#define PELLORA_PLATFORM_VELA_DOCUMENT_INSERTION_H_

#include "interfaces/data_access.h"
#include "platform/vela/document_content.h"
#include "platform/vela/insert_statement.h"

namespace pellora::vela {

// Numbers a validated document within its type, series and year (the year of cab.Data) and
// writes it, its entries and its stock effect in one transaction; on any failure the
// transaction is rolled back and the error raised again, leaving nothing behind. Gives the
// document's key, which it also stores in cab's NossoNoDocumento and Ano.
DocumentKey InsertDocument(DataAccess& data_access, DocumentContent& document);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_DOCUMENT_INSERTION_H_
