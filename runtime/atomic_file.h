#ifndef PELLORA_RUNTIME_ATOMIC_FILE_H_
#define PELLORA_RUNTIME_ATOMIC_FILE_H_

#include <string>
#include <string_view>

namespace pellora {

// Replaces the file at `path` with `content`: writes a temporary file in the same folder, flushes
// it to disk and renames it over the old one, so a crash leaves the old file or the new one, never
// a mix. An existing file keeps its permissions; a new one gets rw-r--r--. The folder must exist.
// Answers false when anything fails, leaving the old file untouched.
bool ReplaceFileContents(const std::string& path, std::string_view content);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_ATOMIC_FILE_H_
