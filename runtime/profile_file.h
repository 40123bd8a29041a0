#ifndef PELLORA_RUNTIME_PROFILE_FILE_H_
#define PELLORA_RUNTIME_PROFILE_FILE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellora {

// The lines of an INI file, with the look-ups and in-place edits that the private-profile
// functions make. Requested names are trimmed of blanks and match case-insensitively; only the
// first section of a name is searched and the first of duplicate keys wins. A section header is
// the text between "[" and the last "]"; lines before the first header cannot be addressed. Lines
// starting with ";" are comments; a line without "=" is a key with no value. Whatever an edit does
// not touch (comments, blank lines, order, line endings, a leading UTF-8 byte-order mark) is
// written back as read.
class ProfileFile {
 public:
  // A missing file reads as an empty one; nullopt when the file is there but cannot be read.
  static std::optional<ProfileFile> Load(const std::string& path);

  std::vector<std::string> SectionNames() const;
  // Key names of the section, comments left out; empty when there is no such section.
  std::vector<std::string> KeyNames(std::string_view section) const;
  // The key's value, trimmed and without one pair of matching quotes around it.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

  // Writes key=value over the key's line, or as a new last line of its section; a missing section
  // is appended at the end of the file.
  void SetValue(std::string_view section, std::string_view key, std::string_view value);
  // Each answers whether anything was removed.
  bool RemoveKey(std::string_view section, std::string_view key);
  bool RemoveSection(std::string_view section);

  // Replaces the file with these lines, never leaving it half written; false on failure.
  bool Save(const std::string& path) const;

 private:
  // A section's header line and the line after its last one.
  struct Span {
    size_t header;
    size_t end;
  };
  std::optional<Span> FindSection(std::string_view section) const;
  std::optional<size_t> FindKey(const Span& span, std::string_view key) const;

  std::vector<std::string> lines_;
  std::string line_end_ = "\n";
  bool byte_order_mark_ = false;
};

}  // namespace pellora

#endif  // PELLORA_RUNTIME_PROFILE_FILE_H_
