#include <algorithm>
#include <cstdio>
#include <string_view>

#include "runtime/date.h"
#include "runtime/format_patterns.h"
#include "runtime/text.h"

namespace pellora {

namespace {

void AppendNumber(int value, int width, std::string* out) {
  char buffer[16];
  const int length = std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  out->append(buffer, length);
}

int DayOfYear(const DateParts& parts) {
  const Date first = DateFromParts({parts.year, 1, 1});
  const Date day = DateFromParts({parts.year, parts.month, parts.day});
  return static_cast<int>(day.serial - first.serial) + 1;
}

// Writes the token made of `length` times `letter` (small). `minutes` says that m means minute.
void AppendToken(char letter, size_t length, bool minutes, const DateParts& parts,
                 std::string* out) {
  const int width = static_cast<int>(length);
  switch (letter) {
    case 'd':
      return AppendNumber(parts.day, width, out);
    case 'm':
      return AppendNumber(minutes ? parts.minute : parts.month, width, out);
    case 'n':
      return AppendNumber(parts.minute, width, out);
    case 'h':
      return AppendNumber(parts.hour, width, out);
    case 's':
      return AppendNumber(parts.second, width, out);
    default:  // 'y'
      if (length == 1) return AppendNumber(DayOfYear(parts), 1, out);
      return AppendNumber(length == 4 ? parts.year : parts.year % 100, width, out);
  }
}

// How many letters of a run of `run` equal letters make one token.
size_t TokenLength(char letter, size_t run) {
  if (letter != 'y') return run < 2 ? run : 2;
  return run >= 4 ? 4 : run >= 2 ? 2 : 1;
}

}  // namespace

std::string FormatDate(Date date, std::string_view pattern, const Locale& locale) {
  const DateParts parts = PartsOf(date);
  std::string out;
  bool after_hour = false;  // the last token was h or hh, with at most ':' since
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    const char letter = FoldCase(c);
    if (std::string_view("dmyhns").find(letter) != std::string_view::npos) {
      size_t run = 1;
      while (i + run < pattern.size() && FoldCase(pattern[i + run]) == letter) ++run;
      const size_t length = TokenLength(letter, run);
      AppendToken(letter, length, after_hour, parts, &out);
      after_hour = letter == 'h';
      i += length;
      continue;
    }
    if (c == '\\' && i + 1 < pattern.size()) {
      out.push_back(pattern[i + 1]);
      i += 2;
    } else if (c == '"') {
      const size_t close = std::min(pattern.find('"', i + 1), pattern.size());
      out.append(pattern.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      if (c == '/') {
        out.append(locale.date_separator);
      } else if (c == ':') {
        out.append(locale.time_separator);
      } else {
        out.push_back(c);
      }
      ++i;
    }
    after_hour = after_hour && c == ':';
  }
  return out;
}

}  // namespace pellora
