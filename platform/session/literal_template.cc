#include "platform/session/literal_template.h"

#include <algorithm>
#include <optional>

#include "runtime/text.h"

namespace pellora::session {
namespace {

// Markers are characters of Unicode's private use area, which no company text holds: the first
// of a marker names its literal, the others fill it out to the literal's length.
constexpr char32_t kFirstMarker = 0xE000;
constexpr char32_t kFiller = 0xF8FF;
constexpr size_t kMostLiterals = kFiller - kFirstMarker;

void AppendUtf8(std::string& out, char32_t c) {
  out += static_cast<char>(0xE0 | (c >> 12));
  out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out += static_cast<char>(0x80 | (c & 0x3F));
}

std::string Marker(size_t index, size_t length) {
  std::string marker;
  AppendUtf8(marker, static_cast<char32_t>(kFirstMarker + index));
  for (size_t i = 1; i < length; ++i) AppendUtf8(marker, kFiller);
  return marker;
}

// A literal's content as written, its quotes written twice taken once.
std::string Undoubled(std::string_view written) {
  std::string content;
  for (size_t i = 0; i < written.size(); ++i) {
    content += written[i];
    if (written[i] == '\'') ++i;
  }
  return content;
}

size_t CodePoints(std::string_view text) {
  return static_cast<size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The end of what starts at `at` and closes with `close`, `close` written twice standing for
// itself; the text's end when it never closes.
size_t Closing(std::string_view text, size_t at, char close) {
  for (size_t i = at; i < text.size(); ++i) {
    if (text[i] != close) continue;
    if (i + 1 < text.size() && text[i + 1] == close) {
      ++i;
      continue;
    }
    return i;
  }
  return text.size();
}

// Whether `text` holds `word` (in upper case), whatever its case.
bool Contains(std::string_view text, std::string_view word) {
  for (size_t at = 0; at + word.size() <= text.size(); ++at) {
    if ((text[at] | 0x20) == (word[0] | 0x20) &&
        EqualTextNoCase(text.substr(at, word.size()), word)) {
      return true;
    }
  }
  return false;
}

bool HoldsMarker(std::string_view text) {
  // Every marker character is encoded from EE 80 80 to EF A3 BF.
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto next = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xEE || (lead == 0xEF && next <= 0xA3)) return true;
  }
  return false;
}

// The marker character at `at` (three bytes), or nothing.
std::optional<char32_t> MarkerAt(std::string_view text, size_t at) {
  if (at + 2 >= text.size()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead != 0xEE && lead != 0xEF) return std::nullopt;
  const char32_t c = (char32_t{lead} & 0x0F) << 12 |
                     (char32_t{static_cast<unsigned char>(text[at + 1])} & 0x3F) << 6 |
                     (char32_t{static_cast<unsigned char>(text[at + 2])} & 0x3F);
  if (c < kFirstMarker || c > kFiller) return std::nullopt;
  return c;
}

// Puts back in `sql` the contents whose markers it holds, counting each marker found; false
// when a marker is not whole.
bool PutBack(std::string& sql, const LiteralTemplate& lifted, std::vector<int>& found) {
  if (!HoldsMarker(sql)) return true;
  std::string out;
  out.reserve(sql.size());
  for (size_t i = 0; i < sql.size();) {
    const std::optional<char32_t> marker = MarkerAt(sql, i);
    if (!marker) {
      out += sql[i++];
      continue;
    }
    const size_t index = *marker - kFirstMarker;
    if (*marker == kFiller || index >= lifted.contents.size()) return false;
    const std::string& content = lifted.contents[index];
    const size_t length = CodePoints(Undoubled(content));
    for (size_t filler = 1; filler < length; ++filler) {
      if (MarkerAt(sql, i + 3 * filler) != kFiller) return false;
    }
    out += content;
    ++found[index];
    i += 3 * std::max<size_t>(length, 1);
  }
  sql = std::move(out);
  return true;
}

bool PutBackAll(std::vector<tsql::Step>& steps, const LiteralTemplate& lifted,
                std::vector<int>& found) {
  for (tsql::Step& step : steps) {
    for (const std::string* field :
         {&step.variable, &step.table, &step.column, &step.column_type, &step.variable_type}) {
      if (HoldsMarker(*field)) return false;
    }
    for (const std::string& name : step.column_names) {
      if (HoldsMarker(name)) return false;
    }
    if (!PutBack(step.sql, lifted, found) || !PutBackAll(step.body, lifted, found)) return false;
  }
  return true;
}

}  // namespace

std::optional<LiteralTemplate> LiftLiterals(std::string_view tsql) {
  if (HoldsMarker(tsql) || Contains(tsql, "OBJECT_ID")) return std::nullopt;
  LiteralTemplate lifted;
  lifted.text.reserve(tsql.size() + 32);
  size_t i = 0;
  while (i < tsql.size()) {
    // Up to what may start a comment, a quoted name or a literal, as written.
    const size_t special = std::min(tsql.find_first_of("-/[\"'", i), tsql.size());
    lifted.text.append(tsql.substr(i, special - i));
    i = special;
    if (i == tsql.size()) break;
    const char c = tsql[i];
    size_t end = i + 1;
    if (c == '-' && i + 1 < tsql.size() && tsql[i + 1] == '-') {
      end = std::min(tsql.find('\n', i), tsql.size());
    } else if (c == '/' && i + 1 < tsql.size() && tsql[i + 1] == '*') {
      end = std::min(tsql.find("*/", i + 2), tsql.size() - 2) + 2;
    } else if (c == '[' || c == '"') {
      end = std::min(Closing(tsql, i + 1, c == '[' ? ']' : '"') + 1, tsql.size());
    } else if (c == '\'') {
      const size_t close = Closing(tsql, i + 1, '\'');
      const std::string_view written = tsql.substr(i + 1, close - i - 1);
      if (close < tsql.size() && !written.empty()) {
        if (lifted.contents.size() == kMostLiterals) return std::nullopt;
        lifted.text += '\'';
        lifted.text += Marker(lifted.contents.size(), CodePoints(Undoubled(written)));
        lifted.text += '\'';
        lifted.contents.emplace_back(written);
        i = close + 1;
        continue;
      }
      end = std::min(close + 1, tsql.size());
    }
    lifted.text.append(tsql.substr(i, end - i));
    i = end;
  }
  if (lifted.contents.empty()) return std::nullopt;
  return lifted;
}

std::optional<std::vector<tsql::Step>> PutBackLiterals(const std::vector<tsql::Step>& steps,
                                                       const LiteralTemplate& lifted) {
  std::vector<tsql::Step> put_back = steps;
  std::vector<int> found(lifted.contents.size(), 0);
  if (!PutBackAll(put_back, lifted, found) ||
      std::any_of(found.begin(), found.end(), [](int count) { return count != 1; })) {
    return std::nullopt;
  }
  return put_back;
}

}  // namespace pellora::session
