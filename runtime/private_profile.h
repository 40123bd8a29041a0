#ifndef PELLORA_RUNTIME_PRIVATE_PROFILE_H_
#define PELLORA_RUNTIME_PRIVATE_PROFILE_H_

#include <optional>
#include <string>

namespace pellora {

// The Windows private-profile (INI) file functions, over UTF-8 files. A null argument stands for
// the NULL pointer the Windows functions accept. Sizes and counts are in characters (code points).

// What GetPrivateProfileString leaves in the caller's buffer.
struct ProfileText {
  std::string text;  // the characters copied, the final NUL left out
  long count = 0;    // the function's return value: the number of characters in `text`
};

// Reads the key's value into a buffer of `size` characters. A missing file, section or key gives
// `default_text` (null reads as "") without its trailing blanks; a value too long for the buffer
// is cut to size - 1 characters. A null key lists the section's key names, a null section lists
// the file's section names: each name followed by a NUL, the list by one more; when that does not
// fit, the list is cut to size - 2 characters.
ProfileText GetPrivateProfileString(const std::optional<std::string>& section,
                                    const std::optional<std::string>& key,
                                    const std::optional<std::string>& default_text, long size,
                                    const std::string& file_name);

// Writes key=value in the section, creating the key, the section and the file as needed (never
// the file's folder). A null value deletes the key, a null key deletes the section; deleting what
// is not there succeeds. Answers 0 on failure (a null section always fails), non-zero otherwise.
int WritePrivateProfileString(const std::optional<std::string>& section,
                              const std::optional<std::string>& key,
                              const std::optional<std::string>& value,
                              const std::string& file_name);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_PRIVATE_PROFILE_H_
