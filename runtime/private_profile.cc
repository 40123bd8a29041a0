#include "runtime/private_profile.h"

#include <vector>

#include "runtime/profile_file.h"
#include "runtime/text.h"

namespace pellora {
namespace {

ProfileText CopyValue(const std::string& value, long size) {
  if (size <= 0) return {};
  long length = static_cast<long>(Len(value));
  if (length < size) return {value, length};
  return {Left(value, size - 1), size - 1};
}

ProfileText CopyList(const std::vector<std::string>& names, long size) {
  std::string list;
  for (const std::string& name : names) list += name + '\0';
  long length = static_cast<long>(Len(list));
  if (length < size) return {list, length};  // room left for the list's extra NUL
  if (size < 2) return {};
  return {Left(list, size - 2), size - 2};
}

}  // namespace

ProfileText GetPrivateProfileString(const std::optional<std::string>& section,
                                    const std::optional<std::string>& key,
                                    const std::optional<std::string>& default_text, long size,
                                    const std::string& file_name) {
  ProfileFile file = ProfileFile::Load(file_name).value_or(ProfileFile());
  if (!section) return CopyList(file.SectionNames(), size);
  if (!key) return CopyList(file.KeyNames(*section), size);
  std::optional<std::string> value = file.Value(*section, *key);
  return CopyValue(value ? *value : RTrim(default_text.value_or("")), size);
}

int WritePrivateProfileString(const std::optional<std::string>& section,
                              const std::optional<std::string>& key,
                              const std::optional<std::string>& value,
                              const std::string& file_name) {
  std::optional<ProfileFile> file = ProfileFile::Load(file_name);
  if (!section || !file) return 0;
  bool changed = true;
  if (!key) {
    changed = file->RemoveSection(*section);
  } else if (!value) {
    changed = file->RemoveKey(*section, *key);
  } else {
    file->SetValue(*section, *key, *value);
  }
  return !changed || file->Save(file_name) ? 1 : 0;
}

}  // namespace pellora
