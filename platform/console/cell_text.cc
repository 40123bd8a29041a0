#include "platform/console/cell_text.h"

#include "runtime/convert.h"

namespace pellora::console {

std::string CellText(const Variant& value) {
  if (value.IsNull() || value.IsEmpty()) return "";
  return CStr(value);
}

}  // namespace pellora::console
