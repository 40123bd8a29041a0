#ifndef PELLORA_RUNTIME_FIELD_TYPE_H_
#define PELLORA_RUNTIME_FIELD_TYPE_H_

#include "runtime/variant.h"

namespace pellora {

// What ADO fills in for a field appended without a size or attributes: the storage size of
// fixed-length types (0 for the others), and adFldFixed or adFldLong from the type.
long DefaultDefinedSize(int ado_type);
long DefaultAttributes(int ado_type);

// A value as a field of `ado_type` stores it (a Double in an adCurrency field becomes Currency).
// Null stays Null; a value that does not convert raises 3421.
Variant CoerceToFieldType(int ado_type, const Variant& value);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_FIELD_TYPE_H_
