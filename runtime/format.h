#ifndef PELLORA_RUNTIME_FORMAT_H_
#define PELLORA_RUNTIME_FORMAT_H_

#include <string>

#include "runtime/variant.h"

namespace pellora {

// VB's Format(value, pattern) for the date patterns ("dd-mm-yyyy", "hh:mm",
// "yyyyMMddHH:mm:ss", ...) and number patterns ("###,##0.#0", "#,###.###0", ...) the system uses,
// with the injected locale. Null formats as "".
std::string Format(const Variant& value, const std::string& pattern);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_FORMAT_H_
