#ifndef PELLORA_IMPORTACAO_RECORDSET_READING_H_
#define PELLORA_IMPORTACAO_RECORDSET_READING_H_

#include <string>
#include <string_view>

#include "runtime/recordset.h"

namespace pellora {

// The current row's field as text; Null (and Empty) read as the empty text.
std::string FieldText(Recordset& recordset, std::string_view field);

// A recordset is held and shows at least one row.
bool HasRows(const RecordsetPtr& recordset);

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_RECORDSET_READING_H_
