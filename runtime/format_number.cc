#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "runtime/format_patterns.h"

namespace pellora {

namespace {

bool IsPlaceholder(char c) {
  return c == '0' || c == '#';
}

struct NumberPattern {
  std::string_view prefix;  // literal text before the placeholders
  std::string_view suffix;  // literal text after them
  int min_integer_digits = 0;
  bool grouped = false;
  bool has_point = false;
  int max_decimals = 0;
  int min_decimals = 0;
  int thousands_scale = 0;  // each "," just left of the point or at the end divides by 1000
};

NumberPattern ParsePattern(std::string_view pattern) {
  NumberPattern parsed;
  const size_t first = pattern.find_first_of("0#.");
  const size_t last = pattern.find_last_of("0#.,");
  parsed.prefix = pattern.substr(0, first);
  parsed.suffix = pattern.substr(last + 1);
  int integer_placeholders = 0;
  int pending_commas = 0;
  for (char c : pattern.substr(first, last + 1 - first)) {
    if (parsed.has_point) {
      if (!IsPlaceholder(c)) continue;
      ++parsed.max_decimals;
      if (c == '0') parsed.min_decimals = parsed.max_decimals;
    } else if (IsPlaceholder(c)) {
      if (pending_commas > 0 && integer_placeholders > 0) parsed.grouped = true;
      pending_commas = 0;
      ++integer_placeholders;
      if (c == '0' || parsed.min_integer_digits > 0) ++parsed.min_integer_digits;
    } else if (c == ',') {
      ++pending_commas;
    } else if (c == '.') {
      parsed.has_point = true;
      parsed.thousands_scale = pending_commas;
      pending_commas = 0;
    }
  }
  if (!parsed.has_point) parsed.thousands_scale = pending_commas;
  return parsed;
}

// A magnitude as decimal digits: 0.d1d2d3... times ten to the `point`.
class DecimalDigits {
 public:
  // Reads 15 significant digits, as VB reads a Double before formatting it, so that 1.005
  // rounds as the decimal it stands for.
  explicit DecimalDigits(double magnitude) {
    char buffer[32];
    *std::to_chars(buffer, buffer + sizeof buffer - 1, magnitude, std::chars_format::scientific,
                   kSignificant - 1)
         .ptr = '\0';
    digits_[0] = buffer[0];
    for (int i = 1; i < kSignificant; ++i) digits_[i] = buffer[i + 1];
    point_ = std::atoi(buffer + kSignificant + 2) + 1;
  }

  // Keeps `decimals` digits after the point, rounding half away from zero.
  void Round(int decimals) {
    const int keep = point_ + decimals;
    if (keep >= count_) return;
    const bool up = keep >= 0 && digits_[keep] >= '5';
    count_ = keep < 0 ? 0 : keep;
    if (!up) return;
    int i = count_ - 1;
    for (; i >= 0 && digits_[i] == '9'; --i) digits_[i] = '0';
    if (i >= 0) {
      ++digits_[i];
    } else {  // all nines, or nothing kept: the value becomes 1 at the next place up
      digits_[0] = '1';
      count_ = 1;
      ++point_;
    }
  }

  // The digit at `place`, counted from the first significant one.
  char At(int place) const { return place >= 0 && place < count_ ? digits_[place] : '0'; }
  int point() const { return point_; }
  bool IsZero() const {
    for (int i = 0; i < count_; ++i) {
      if (digits_[i] != '0') return false;
    }
    return true;
  }

 private:
  static constexpr int kSignificant = 15;
  char digits_[kSignificant];
  int count_ = kSignificant;
  int point_ = 0;
};

void AppendInteger(const DecimalDigits& digits, const NumberPattern& pattern, const Locale& locale,
                   std::string* out) {
  int first = 0;  // skip the leading zeros
  while (first < digits.point() && digits.At(first) == '0') ++first;
  const int significant = std::max(digits.point() - first, 0);
  const int length = std::max(significant, pattern.min_integer_digits);
  for (int i = 0; i < length; ++i) {
    if (pattern.grouped && i > 0 && (length - i) % 3 == 0) out->append(locale.group_separator);
    out->push_back(digits.At(digits.point() - length + i));
  }
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern, const Locale& locale) {
  const NumberPattern parsed = ParsePattern(pattern);
  DecimalDigits digits(std::fabs(value) / std::pow(1000.0, parsed.thousands_scale));
  digits.Round(parsed.max_decimals);
  int decimals = parsed.max_decimals;
  while (decimals > parsed.min_decimals && digits.At(digits.point() + decimals - 1) == '0') {
    --decimals;
  }
  std::string out;
  if (value < 0 && !digits.IsZero()) out.push_back('-');
  out.append(parsed.prefix);
  AppendInteger(digits, parsed, locale, &out);
  if (parsed.has_point) out.append(locale.decimal_separator);
  for (int i = 0; i < decimals; ++i) out.push_back(digits.At(digits.point() + i));
  out.append(parsed.suffix);
  return out;
}

}  // namespace pellora
