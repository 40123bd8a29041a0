#ifndef PELLORA_PLATFORM_COMMON_CELL_TEXT_H_
#define PELLORA_PLATFORM_COMMON_CELL_TEXT_H_

#include <string>

#include "runtime/variant.h"

namespace pellora::common {

// A value as a grid or report cell shows it: Null and Empty as blank, anything else as CStr.
std::string CellText(const Variant& value);

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_CELL_TEXT_H_
