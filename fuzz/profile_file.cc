// The INI file functions: the input is a section, a key and a value, each ended by a NUL, then
// the file's content. Reads and edits go through a real file, as the system's calls do.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "runtime/private_profile.h"
#include "runtime/text.h"

namespace pellora {
namespace {

// On a memory file system where there is one: every edit is synced, and syncs cost there nothing.
std::string ScratchFile() {
  const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm")
                                           ? "/dev/shm"
                                           : std::filesystem::temp_directory_path();
  return folder / ("pellora-fuzz-" + std::to_string(::getpid()) + ".ini");
}

void WriteContent(const std::string& path, const std::string& content) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  std::fwrite(content.data(), 1, content.size(), file);
  std::fclose(file);
}

// Buffer sizes around where the functions cut: none, a NUL only, one character, and roomy.
std::vector<long> BufferSizes(const std::string& value) {
  return {0, 1, 2, static_cast<long>(Len(value)), 255};
}

}  // namespace
}  // namespace pellora

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pellora;
  static const std::string path = ScratchFile();
  const std::vector<std::string> parts = fuzz::SplitInput(data, size, 4);
  const std::string& section = parts[0];
  const std::string& key = parts[1];
  const std::string& value = parts[2];
  WriteContent(path, parts[3]);

  fuzz::TolerateErrors([&] {
    for (long buffer : BufferSizes(value)) {
      GetPrivateProfileString(section, key, value, buffer, path);
      GetPrivateProfileString(section, std::nullopt, std::nullopt, buffer, path);
      GetPrivateProfileString(std::nullopt, std::nullopt, std::nullopt, buffer, path);
    }
    WritePrivateProfileString(section, key, value, path);
    GetPrivateProfileString(section, key, std::nullopt, 255, path);
    WritePrivateProfileString(section, key, std::nullopt, path);
    WritePrivateProfileString(section, std::nullopt, std::nullopt, path);
  });
  std::remove(path.c_str());
  return 0;
}
