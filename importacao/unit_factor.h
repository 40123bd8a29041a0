#ifndef PELLORA_IMPORTACAO_UNIT_FACTOR_H_
#define PELLORA_IMPORTACAO_UNIT_FACTOR_H_

#include "runtime/variant.h"

namespace pellora {

// The factor of a quantity counted in `unit` for an article with a packing unit and a transport
// unit: the packing factor when the unit is the packing unit, the transport factor when it is
// the transport unit (that one wins when both match), else 1; a factor of 0 counts as 1. Units
// compare without regard to case; a Null unit matches nothing.
double UnitFactor(const Variant& unit, const Variant& packing_unit, const Variant& packing_factor,
                  const Variant& transport_unit, const Variant& transport_factor);

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_UNIT_FACTOR_H_
