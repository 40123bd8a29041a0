#ifndef PELLORA_DAL_DETACHED_COPY_H_
#define PELLORA_DAL_DETACHED_COPY_H_

#include "runtime/recordset.h"

namespace pellora {

// Updatable in-memory copies of a query's result, not bound to any connection. Unicode text
// fields keep their name, type and size (and accept NULL); every other field becomes adCurrency,
// and a NULL in it arrives as 0.

// A new, open and empty recordset with the copy's fields of `source`.
RecordsetPtr DetachedShape(Recordset& source);

// AddNew on `copy` with the values of the current row of `source`; the caller calls Update.
void AddDetachedRow(Recordset& source, Recordset& copy);

// Every row of `source` from its current one to EOF; the copy's current row is the last added.
RecordsetPtr DetachedCopy(Recordset& source);

}  // namespace pellora

#endif  // PELLORA_DAL_DETACHED_COPY_H_
