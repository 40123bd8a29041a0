#include "runtime/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace pellora {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Appends the digits at `*pos`, skipping a group separator that stands between two digits.
size_t TakeDigits(std::string_view text, size_t* pos, std::string_view group_separator,
                  std::string* canonical) {
  size_t taken = 0;
  while (*pos < text.size()) {
    if (IsDigit(text[*pos])) {
      canonical->push_back(text[(*pos)++]);
      ++taken;
      continue;
    }
    const size_t after = *pos + group_separator.size();
    if (taken == 0 || group_separator.empty() || !text.substr(*pos).starts_with(group_separator) ||
        after >= text.size() || !IsDigit(text[after])) {
      break;
    }
    *pos = after;
  }
  return taken;
}

int DigitValue(char c, int base) {
  int value = base;
  if (IsDigit(c)) value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

size_t ScanDecimal(std::string_view text, std::string_view decimal_separator,
                   std::string_view group_separator, std::string* canonical) {
  canonical->clear();
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    if (text[pos] == '-') canonical->push_back('-');
    ++pos;
  }
  canonical->push_back('0');  // so that ",5" reads as 0.5
  size_t digits = TakeDigits(text, &pos, group_separator, canonical);
  if (text.substr(pos).starts_with(decimal_separator)) {
    const size_t mark = canonical->size();
    size_t fraction_pos = pos + decimal_separator.size();
    canonical->push_back('.');
    const size_t fraction = TakeDigits(text, &fraction_pos, {}, canonical);
    if (digits + fraction > 0) {
      digits += fraction;
      pos = fraction_pos;
    } else {
      canonical->resize(mark);
    }
  }
  if (digits == 0) {
    canonical->clear();
    return 0;
  }
  if (pos < text.size() &&
      (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
    const size_t mark = canonical->size();
    size_t exponent_pos = pos + 1;
    canonical->push_back('e');
    if (exponent_pos < text.size() && (text[exponent_pos] == '+' || text[exponent_pos] == '-')) {
      canonical->push_back(text[exponent_pos++]);
    }
    if (TakeDigits(text, &exponent_pos, {}, canonical) > 0) {
      pos = exponent_pos;
    } else {
      canonical->resize(mark);
    }
  }
  return pos;
}

std::optional<double> ReadRadixLiteral(std::string_view text, size_t* length) {
  if (text.size() < 3 || text[0] != '&') return std::nullopt;
  const char kind = text[1];
  const int base = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
  if (base == 0) return std::nullopt;
  uint64_t value = 0;
  size_t pos = 2;
  for (int digit; pos < text.size() && (digit = DigitValue(text[pos], base)) >= 0; ++pos) {
    value = value * base + digit;
    if (value > UINT32_MAX) return std::nullopt;
  }
  if (pos == 2) return std::nullopt;
  *length = pos;
  if (value <= UINT16_MAX) return static_cast<int16_t>(value);
  return static_cast<int32_t>(value);
}

double CanonicalToDouble(std::string_view canonical) {
  double value = 0;
  const auto [end, error] =
      std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (canonical.find("e-") != std::string_view::npos) return 0;  // too small: zero
    return canonical.starts_with('-') ? -HUGE_VAL : HUGE_VAL;
  }
  return value;
}

std::optional<double> ParseLocaleNumber(std::string_view text, const Locale& locale) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  size_t length = 0;
  if (std::optional<double> radix = ReadRadixLiteral(text, &length)) {
    if (length == text.size()) return radix;
    return std::nullopt;
  }
  std::string canonical;
  if (text.empty() || ScanDecimal(text, locale.decimal_separator, locale.group_separator,
                                  &canonical) != text.size()) {
    return std::nullopt;
  }
  return CanonicalToDouble(canonical);
}

}  // namespace pellora
