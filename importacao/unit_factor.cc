#include "importacao/unit_factor.h"

#include "runtime/convert.h"
#include "runtime/text.h"

namespace pellora {
namespace {

bool SameUnit(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return false;
  return UCase(CStr(a)) == UCase(CStr(b));
}

}  // namespace

double UnitFactor(const Variant& unit, const Variant& packing_unit, const Variant& packing_factor,
                  const Variant& transport_unit, const Variant& transport_factor) {
  double factor = 1;
  if (SameUnit(packing_unit, unit)) factor = CDbl(packing_factor);
  if (SameUnit(transport_unit, unit)) factor = CDbl(transport_factor);
  return factor == 0 ? 1 : factor;
}

}  // namespace pellora
