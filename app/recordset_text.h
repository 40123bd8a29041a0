#ifndef PELLORA_APP_RECORDSET_TEXT_H_
#define PELLORA_APP_RECORDSET_TEXT_H_

#include <iosfwd>

#include "runtime/recordset.h"

namespace pellora::app {

// One header line of NAME:TYPE items (TYPE the ADO type number), tab-separated.
void PrintTypedHeader(Recordset& recordset, std::ostream& out);
// One header line of the field names, tab-separated.
void PrintNamesHeader(Recordset& recordset, std::ostream& out);
// Every visible row from the first, one line each, values tab-separated as PlainText.
void PrintRows(Recordset& recordset, std::ostream& out);

}  // namespace pellora::app

#endif  // PELLORA_APP_RECORDSET_TEXT_H_
