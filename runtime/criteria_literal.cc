#include "runtime/criteria_literal.h"

#include <cctype>
#include <charconv>
#include <string>
#include <utility>

#include "runtime/date.h"
#include "runtime/text.h"

namespace pellora {

namespace {

// Reads the pieces of a date or time written with digits and separators.
class DateReader {
 public:
  explicit DateReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool Accept(char c) {
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }
  void SkipSpaces() {
    while (Peek() == ' ') ++pos_;
  }
  // Up to `max_digits` digits; nullopt when there is none.
  std::optional<int> Number(size_t* digits_read = nullptr, size_t max_digits = 4) {
    size_t start = pos_;
    int value = 0;
    while (pos_ - start < max_digits && std::isdigit(static_cast<unsigned char>(Peek()))) {
      value = value * 10 + (text_[pos_++] - '0');
    }
    if (digits_read) *digits_read = pos_ - start;
    if (pos_ == start) return std::nullopt;
    return value;
  }
  bool AcceptWord(std::string_view word) {
    if (!EqualTextNoCase(text_.substr(pos_, word.size()), word)) return false;
    pos_ += word.size();
    return true;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// Two-digit years as VB reads them: 00-29 are this century, 30-99 the last one.
int FullYear(int year, size_t digits) {
  if (digits > 2) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

bool ReadDay(DateReader& reader, DateParts* parts) {
  size_t first_digits = 0;
  std::optional<int> first = reader.Number(&first_digits);
  if (!first) return false;
  char separator = reader.Peek();
  if (separator != '/' && separator != '-') return false;
  reader.Accept(separator);
  std::optional<int> second = reader.Number();
  if (!second || !reader.Accept(separator)) return false;
  size_t third_digits = 0;
  std::optional<int> third = reader.Number(&third_digits);
  if (!third) return false;
  if (separator == '-') {
    if (first_digits != 4) return false;
    *parts = DateParts{*first, *second, *third};
  } else {
    *parts = DateParts{FullYear(*third, third_digits), *first, *second};
  }
  return true;
}

bool ReadTime(DateReader& reader, DateParts* parts) {
  std::optional<int> hour = reader.Number(nullptr, 2);
  if (!hour || !reader.Accept(':')) return false;
  std::optional<int> minute = reader.Number(nullptr, 2);
  if (!minute) return false;
  std::optional<int> second = 0;
  if (reader.Accept(':') && !(second = reader.Number(nullptr, 2))) return false;
  reader.SkipSpaces();
  int h = *hour;
  if (reader.AcceptWord("PM")) {
    if (h < 1 || h > 12) return false;
    h = h % 12 + 12;
  } else if (reader.AcceptWord("AM")) {
    if (h < 1 || h > 12) return false;
    h %= 12;
  }
  if (h > 23 || *minute > 59 || *second > 59) return false;
  parts->hour = h;
  parts->minute = *minute;
  parts->second = *second;
  return true;
}

// A date the calendar has: converting there and back gives the same day.
bool IsCalendarDay(const DateParts& parts) {
  if (parts.month < 1 || parts.month > 12 || parts.day < 1 || parts.day > 31) return false;
  DateParts round_trip = PartsOf(DateFromParts(DateParts{parts.year, parts.month, parts.day}));
  return round_trip.year == parts.year && round_trip.month == parts.month &&
         round_trip.day == parts.day;
}

}  // namespace

std::optional<double> ParseCriteriaNumber(std::string_view text) {
  std::string digits;
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    if (text[pos] == '-') digits += '-';
    ++pos;
  }
  if (pos < text.size() && text[pos] == '$') ++pos;
  digits.append(text.substr(pos));
  if (digits.empty() || digits.back() == '-') return std::nullopt;
  // from_chars would also read "inf" and "nan"; criteria numbers start with a digit or point.
  char lead = digits[digits[0] == '-' ? 1 : 0];
  if (!std::isdigit(static_cast<unsigned char>(lead)) && lead != '.') return std::nullopt;
  double value = 0;
  const char* end = digits.data() + digits.size();
  auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<double> ParseCriteriaDate(std::string_view text) {
  DateReader reader(text);
  reader.SkipSpaces();
  DateParts parts;
  if (!ReadDay(reader, &parts) || !IsCalendarDay(parts)) return std::nullopt;
  reader.SkipSpaces();
  if (!reader.AtEnd() && !ReadTime(reader, &parts)) return std::nullopt;
  reader.SkipSpaces();
  if (!reader.AtEnd()) return std::nullopt;
  return DateFromParts(parts).serial;
}

CriteriaLiteral TextLiteral(std::string text) {
  CriteriaLiteral literal;
  literal.kind = CriteriaLiteral::Kind::kText;
  literal.number = ParseCriteriaNumber(text);
  literal.date_serial = ParseCriteriaDate(text);
  literal.folded = FoldCase(text);
  literal.text = std::move(text);
  return literal;
}

CriteriaLiteral NumberLiteral(std::string token, double value) {
  CriteriaLiteral literal;
  literal.kind = CriteriaLiteral::Kind::kNumber;
  literal.number = value;
  literal.folded = FoldCase(token);
  literal.text = std::move(token);
  return literal;
}

CriteriaLiteral DateLiteral(std::string token, double serial) {
  CriteriaLiteral literal;
  literal.kind = CriteriaLiteral::Kind::kDate;
  literal.date_serial = serial;
  literal.folded = FoldCase(token);
  literal.text = std::move(token);
  return literal;
}

CriteriaLiteral NullLiteral() {
  CriteriaLiteral literal;
  literal.kind = CriteriaLiteral::Kind::kNull;
  literal.text = "NULL";
  literal.folded = FoldCase(literal.text);
  return literal;
}

}  // namespace pellora
