#ifndef PELLORA_PLATFORM_COMMON_NATIVE_PATH_H_
#define PELLORA_PLATFORM_COMMON_NATIVE_PATH_H_

#include <filesystem>
#include <string_view>

namespace pellora::common {

// A path as the add-in writes it (folders joined by "\") as a path of this system.
std::filesystem::path NativePath(std::string_view path);

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_NATIVE_PATH_H_
