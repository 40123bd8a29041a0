#ifndef PELLORA_DAL_INVENTORY_MERGE_H_
#define PELLORA_DAL_INVENTORY_MERGE_H_

#include "runtime/recordset.h"

namespace pellora {

// Merges the readings of an inventory adjustment, from the current row of `readings` to EOF,
// into a detached copy with one row per article, unit, warehouse, serial number and lots. Each
// row keeps the first reading of its key, with Quantidade summed over the key. The first row of
// each article and warehouse has EntMaisSaidas set to the host's net stock movement of the
// article in the warehouse since its reading, in the article's base unit; the others have 0.
// The copy comes back with no filter, on the last row written.
RecordsetPtr MergeInventoryReadings(Recordset& readings);

}  // namespace pellora

#endif  // PELLORA_DAL_INVENTORY_MERGE_H_
