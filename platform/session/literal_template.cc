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
constexpr size_t kMarkerBytes = 3;  // each in UTF-8

std::string Marker(size_t index, size_t length) {
  std::string marker;
  AppendCodePoint(static_cast<char32_t>(kFirstMarker + index), marker);
  for (size_t i = 1; i < length; ++i) AppendCodePoint(kFiller, marker);
  return marker;
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

// The marker character at byte `at`, or nothing.
std::optional<char32_t> MarkerAt(std::string_view text, size_t at) {
  // Every marker starts with byte EE or EF; most bytes are let go at once.
  if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xFE) != 0xEE) {
    return std::nullopt;
  }
  const char32_t c = DecodeAt(text, at).value;
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
    if (*marker == kFiller || index >= lifted.literals.size()) return false;
    const LiteralTemplate::Literal& literal = lifted.literals[index];
    for (size_t filler = 1; filler < literal.length; ++filler) {
      if (MarkerAt(sql, i + kMarkerBytes * filler) != kFiller) return false;
    }
    out += literal.written;
    ++found[index];
    i += kMarkerBytes * literal.length;
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

// The T-SQL reader's rules for comments, quoted names and literals, without making tokens: this
// runs for every text sent.
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
        if (lifted.literals.size() == kMostLiterals) return std::nullopt;
        const size_t length = Len(Replace(written, "''", "'"));
        lifted.text += '\'';
        lifted.text += Marker(lifted.literals.size(), length);
        lifted.text += '\'';
        lifted.literals.push_back({std::string(written), length});
        i = close + 1;
        continue;
      }
      end = std::min(close + 1, tsql.size());
    }
    lifted.text.append(tsql.substr(i, end - i));
    i = end;
  }
  if (lifted.literals.empty()) return std::nullopt;
  return lifted;
}

std::optional<std::vector<tsql::Step>> PutBackLiterals(const std::vector<tsql::Step>& steps,
                                                       const LiteralTemplate& lifted) {
  std::vector<tsql::Step> put_back = steps;
  std::vector<int> found(lifted.literals.size(), 0);
  if (!PutBackAll(put_back, lifted, found) ||
      std::any_of(found.begin(), found.end(), [](int count) { return count != 1; })) {
    return std::nullopt;
  }
  return put_back;
}

}  // namespace pellora::session
