#ifndef PELLORA_PLATFORM_VELA_LINE_DEFAULTS_H_
#define PELLORA_PLATFORM_VELA_LINE_DEFAULTS_H_

#include "interfaces/data_access.h"
#include "runtime/late_bound_object.h"

namespace pellora::vela {

// Fills `line` with the host's defaults for its Artigo: description, unit, factor 1, tax rate,
// and the unit price of the document's side (the sale price for sales, with or without tax as
// the header's IvaIncluido says; the last purchase price otherwise). A line without article or
// with an unknown one is left as it is.
void SuggestLineValues(DataAccess& data_access, const LateBoundObject& cab, LateBoundObject& line);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_LINE_DEFAULTS_H_
