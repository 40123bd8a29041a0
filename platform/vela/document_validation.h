#ifndef PELLORA_PLATFORM_VELA_DOCUMENT_VALIDATION_H_
#define PELLORA_PLATFORM_VELA_DOCUMENT_VALIDATION_H_

#include <string>

#include "interfaces/data_access.h"
#include "platform/vela/document_content.h"

namespace pellora::vela {

// Why the host refuses to insert the document, in the words it shows the user; the empty text
// when the document may be inserted. Checks the document type, the date, the series, the third
// party the type asks for, the article and warehouse of every line, that every lot and serial
// entry belongs to a line, and that serial numbers leaving a warehouse are in it.
std::string RefusalOf(DataAccess& data_access, const DocumentContent& document);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_DOCUMENT_VALIDATION_H_
