#ifndef PELLORA_PLATFORM_VELA_DOCUMENT_ROWS_H_
#define PELLORA_PLATFORM_VELA_DOCUMENT_ROWS_H_

#include "interfaces/data_access.h"
#include "platform/vela/document_content.h"
#include "platform/vela/document_type.h"
#include "platform/vela/insert_statement.h"

namespace pellora::vela {

// Writes the document's header (DOCGCCAB) and its lines (DOCGCLIN) under `key`, stamped with
// the present moment as their creation and last change.
void InsertDocumentRows(DataAccess& data_access, const DocumentContent& document,
                        const DocumentType& type, const DocumentKey& key);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_DOCUMENT_ROWS_H_
