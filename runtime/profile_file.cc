#include "runtime/profile_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "runtime/atomic_file.h"
#include "runtime/text.h"

namespace pellora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

enum class LineKind { kBlank, kComment, kSection, kKey };

struct ParsedLine {
  LineKind kind;
  std::string_view name;
  std::string_view value;
};

std::string_view TrimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

ParsedLine Parse(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty()) return {LineKind::kBlank, {}, {}};
  if (line.front() == ';') return {LineKind::kComment, {}, {}};
  size_t close = line.rfind(']');
  if (line.front() == '[' && close != std::string_view::npos) {
    return {LineKind::kSection, line.substr(1, close - 1), {}};
  }
  size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {LineKind::kKey, line, {}};
  return {LineKind::kKey, TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

bool SameName(std::string_view name, std::string_view requested) {
  return CompareTextNoCase(name, TrimBlanks(requested)) == 0;
}

std::string_view Unquoted(std::string_view value) {
  bool quoted = value.size() >= 2 && value.front() == value.back() &&
                (value.front() == '"' || value.front() == '\'');
  return quoted ? value.substr(1, value.size() - 2) : value;
}

// The whole file; "" when it does not exist, nullopt when it cannot be read.
std::optional<std::string> ReadText(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) return errno == ENOENT ? std::optional<std::string>("") : std::nullopt;
  std::string text;
  char chunk[8192];
  size_t read;
  while ((read = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) text.append(chunk, read);
  if (std::ferror(file.get())) return std::nullopt;
  return text;
}

}  // namespace

std::optional<ProfileFile> ProfileFile::Load(const std::string& path) {
  std::optional<std::string> text = ReadText(path);
  if (!text) return std::nullopt;
  ProfileFile file;
  std::string_view rest = *text;
  if (rest.starts_with(kByteOrderMark)) {
    file.byte_order_mark_ = true;
    rest.remove_prefix(kByteOrderMark.size());
  }
  while (!rest.empty()) {
    size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (line.ends_with('\r')) {
      file.line_end_ = "\r\n";
      line.remove_suffix(1);
    }
    file.lines_.emplace_back(line);
  }
  return file;
}

std::vector<std::string> ProfileFile::SectionNames() const {
  std::vector<std::string> names;
  for (const std::string& line : lines_) {
    ParsedLine parsed = Parse(line);
    if (parsed.kind == LineKind::kSection) names.emplace_back(parsed.name);
  }
  return names;
}

std::vector<std::string> ProfileFile::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (std::optional<Span> span = FindSection(section)) {
    for (size_t i = span->header + 1; i < span->end; ++i) {
      ParsedLine parsed = Parse(lines_[i]);
      if (parsed.kind == LineKind::kKey) names.emplace_back(parsed.name);
    }
  }
  return names;
}

std::optional<std::string> ProfileFile::Value(std::string_view section,
                                              std::string_view key) const {
  std::optional<Span> span = FindSection(section);
  if (!span) return std::nullopt;
  std::optional<size_t> line = FindKey(*span, key);
  if (!line) return std::nullopt;
  return std::string(Unquoted(Parse(lines_[*line]).value));
}

void ProfileFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  std::optional<Span> span = FindSection(section);
  if (!span) {
    if (!lines_.empty() && Parse(lines_.back()).kind != LineKind::kBlank) lines_.emplace_back();
    lines_.push_back("[" + std::string(TrimBlanks(section)) + "]");
    lines_.push_back(std::string(TrimBlanks(key)) + "=" + std::string(value));
    return;
  }
  if (std::optional<size_t> line = FindKey(*span, key)) {
    // The key keeps the spelling the file gives it.
    lines_[*line] = std::string(Parse(lines_[*line]).name) + "=" + std::string(value);
    return;
  }
  size_t at = span->end;
  while (at > span->header + 1 && Parse(lines_[at - 1]).kind == LineKind::kBlank) --at;
  lines_.insert(lines_.begin() + at, std::string(TrimBlanks(key)) + "=" + std::string(value));
}

bool ProfileFile::RemoveKey(std::string_view section, std::string_view key) {
  std::optional<Span> span = FindSection(section);
  std::optional<size_t> line = span ? FindKey(*span, key) : std::nullopt;
  if (!line) return false;
  lines_.erase(lines_.begin() + *line);
  return true;
}

bool ProfileFile::RemoveSection(std::string_view section) {
  std::optional<Span> span = FindSection(section);
  if (!span) return false;
  lines_.erase(lines_.begin() + span->header, lines_.begin() + span->end);
  return true;
}

bool ProfileFile::Save(const std::string& path) const {
  std::string text(byte_order_mark_ ? kByteOrderMark : "");
  for (const std::string& line : lines_) text += line + line_end_;
  return ReplaceFileContents(path, text);
}

std::optional<ProfileFile::Span> ProfileFile::FindSection(std::string_view section) const {
  for (size_t header = 0; header < lines_.size(); ++header) {
    ParsedLine parsed = Parse(lines_[header]);
    if (parsed.kind != LineKind::kSection || !SameName(parsed.name, section)) continue;
    size_t end = header + 1;
    while (end < lines_.size() && Parse(lines_[end]).kind != LineKind::kSection) ++end;
    return Span{header, end};
  }
  return std::nullopt;
}

std::optional<size_t> ProfileFile::FindKey(const Span& span, std::string_view key) const {
  for (size_t line = span.header + 1; line < span.end; ++line) {
    ParsedLine parsed = Parse(lines_[line]);
    if (parsed.kind == LineKind::kKey && SameName(parsed.name, key)) return line;
  }
  return std::nullopt;
}

}  // namespace pellora
