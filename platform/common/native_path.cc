#include "platform/common/native_path.h"

#include <algorithm>
#include <string>

namespace pellora::common {

std::filesystem::path NativePath(std::string_view path) {
  std::string native(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

}  // namespace pellora::common
