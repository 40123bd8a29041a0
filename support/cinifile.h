#ifndef PELLORA_SUPPORT_CINIFILE_H_
#define PELLORA_SUPPORT_CINIFILE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pellora {

// A window's placement as SaveFormPosition and LoadFormPosition keep it. There are no windows
// here, so the caller hands over and takes back the numbers.
struct FormPosition {
  bool maximised = false;
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// One INI file, section and key at a time, over the private-profile functions. Never raises: a
// missing file or key reads as the default text; a failed write shows in LastReturnCode and
// Success.
class cInifile {
 public:
  // The return code of the last write, delete or section write; 0 until the first.
  int32_t LastReturnCode() const { return last_return_code_; }
  bool Success() const { return last_return_code_ != 0; }

  void SetDefault(const std::string& text) { default_ = text; }
  const std::string& Default() const { return default_; }
  void SetPath(const std::string& path) { path_ = path; }
  const std::string& Path() const { return path_; }
  void SetKey(const std::string& key) { key_ = key; }
  const std::string& Key() const { return key_; }
  void SetSection(const std::string& section) { section_ = section; }
  const std::string& Section() const { return section_; }

  // The current key's value, or the default text; at most 254 characters.
  std::string Value() const;
  // Removes every NUL from `value` (the caller's text too) and writes it as the current key's
  // value.
  void SetValue(std::string& value);

  void DeleteKey();
  void DeleteSection();

  // The current section's key names, each followed by a NUL.
  std::string INISection() const;
  // Hands the current section, no key and `contents` to the write function, which with no key
  // removes the whole section; `contents` is not written.
  void SetINISection(const std::string& contents);
  // The file's section names, each followed by a NUL.
  std::string Sections() const;

  // Fill `keys` (or `sections`) from index 1 to `count`; index 0 holds an empty text.
  void EnumerateCurrentSection(std::vector<std::string>& keys, int32_t& count) const;
  // Empty section names are left out.
  void EnumerateAllSections(std::vector<std::string>& sections, int32_t& count) const;

  // Keys "Maximised" (1 or 0), "Left", "Top", "Width" and "Height" of the current section. The
  // four numbers are saved only for a window that is not maximised, so they keep its last normal
  // placement; loading leaves a number that is missing or not numeric as it was.
  void SaveFormPosition(const FormPosition& form);
  void LoadFormPosition(FormPosition& form) const;

  // `text` as a 32-bit integer (VB's CLng), or `default_value` when it does not convert.
  static int32_t CLngDefault(std::string text, int32_t default_value = 0);

 private:
  std::string Read(const std::string& key, const std::string& default_text) const;
  void Write(const std::optional<std::string>& key, const std::optional<std::string>& value);

  std::string path_;
  std::string key_;
  std::string section_;
  std::string default_;
  int32_t last_return_code_ = 0;
};

}  // namespace pellora

#endif  // PELLORA_SUPPORT_CINIFILE_H_
