#include "platform/common/cell_text.h"

#include "runtime/convert.h"

namespace pellora::common {

std::string CellText(const Variant& value) {
  if (value.IsNull() || value.IsEmpty()) return "";
  return CStr(value);
}

}  // namespace pellora::common
