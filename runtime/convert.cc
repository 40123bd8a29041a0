#include "runtime/convert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "runtime/date.h"
#include "runtime/date_text.h"
#include "runtime/error.h"
#include "runtime/locale.h"
#include "runtime/number_text.h"
#include "runtime/text.h"

namespace pellora {

namespace {

double TextToDouble(const std::string& text) {
  const std::optional<double> value = ParseLocaleNumber(text, CurrentLocale());
  if (!value) RaiseRuntimeError(kTypeMismatch);
  if (std::isinf(*value)) RaiseRuntimeError(kOverflow);
  return *value;
}

// VB's Date holds the years 100 to 9999: from day -657434 (100-01-01) to the end of day 2958465
// (9999-12-31); a negative serial keeps its time of day in the fraction.
Date DateFromSerial(double serial) {
  if (!(serial > -657435.0 && serial < 2958466.0)) RaiseRuntimeError(kOverflow);
  return Date{serial};
}

template <typename Integer>
Integer RoundToInteger(double value) {
  const double rounded = BankersRound(value);
  if (!(rounded >= std::numeric_limits<Integer>::min() &&
        rounded <= std::numeric_limits<Integer>::max())) {
    RaiseRuntimeError(kOverflow);
  }
  return static_cast<Integer>(rounded);
}

// Writes `text` to `out`, putting the locale's decimal separator in place of '.'.
void AppendWithDecimalSeparator(std::string_view text, std::string* out) {
  const std::string& separator = CurrentLocale().decimal_separator;
  for (char c : text) {
    if (c == '.') {
      out->append(separator);
    } else {
      out->push_back(c);
    }
  }
}

std::string DoubleText(double value) {
  // Whole numbers, most quantities, print the same and faster as integers.
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    return std::to_string(static_cast<int64_t>(value));
  }
  char buffer[32];
  // As printf's "%.15G"; adding zero turns -0 into 0, which VB prints without a sign.
  char* const end =
      std::to_chars(buffer, buffer + sizeof buffer, value + 0.0, std::chars_format::general, 15)
          .ptr;
  std::replace(buffer, end, 'e', 'E');
  std::string text;
  text.reserve(end - buffer + 2);
  AppendWithDecimalSeparator({buffer, static_cast<size_t>(end - buffer)}, &text);
  return text;
}

std::string CurrencyText(Currency value) {
  // Unsigned, so that the most negative amount has a magnitude too.
  const uint64_t magnitude = value.scaled < 0 ? 0 - static_cast<uint64_t>(value.scaled)
                                              : static_cast<uint64_t>(value.scaled);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%s%llu.%04llu", value.scaled < 0 ? "-" : "",
                static_cast<unsigned long long>(magnitude / 10000),
                static_cast<unsigned long long>(magnitude % 10000));
  std::string_view digits(buffer);
  while (digits.back() == '0') digits.remove_suffix(1);
  if (digits.back() == '.') digits.remove_suffix(1);
  std::string text;
  AppendWithDecimalSeparator(digits, &text);
  return text;
}

std::string DateText(Date date) {
  const DateParts parts = PartsOf(date);
  const Locale& locale = CurrentLocale();
  char buffer[64];
  int length = std::snprintf(buffer, sizeof buffer, "%02d%s%02d%s%04d", parts.day,
                             locale.date_separator.c_str(), parts.month,
                             locale.date_separator.c_str(), parts.year);
  if (parts.hour != 0 || parts.minute != 0 || parts.second != 0) {
    length += std::snprintf(buffer + length, sizeof buffer - length, " %02d%s%02d%s%02d",
                            parts.hour, locale.time_separator.c_str(), parts.minute,
                            locale.time_separator.c_str(), parts.second);
  }
  return std::string(buffer, length);
}

}  // namespace

double BankersRound(double value) {
  // The default floating-point rounding mode is to nearest, ties to even.
  return std::nearbyint(value);
}

std::string CStr(const Variant& value) {
  switch (value.type()) {
    case VarType::kEmpty:
      return {};
    case VarType::kInteger:
      return std::to_string(value.AsInteger());
    case VarType::kLong:
      return std::to_string(value.AsLong());
    case VarType::kDouble:
      return DoubleText(value.AsDouble());
    case VarType::kCurrency:
      return CurrencyText(value.AsCurrency());
    case VarType::kDate:
      return DateText(value.AsDate());
    case VarType::kString:
      return value.AsString();
    case VarType::kBoolean:
      return value.AsBoolean() ? "True" : "False";
    case VarType::kByteArray:
      return std::string(value.AsBytes().begin(), value.AsBytes().end());
    case VarType::kNull:
      break;
  }
  RaiseRuntimeError(kInvalidUseOfNull);
}

double CDbl(const Variant& value) {
  if (std::optional<double> number = value.NumberValue()) return *number;
  switch (value.type()) {
    case VarType::kEmpty:
      return 0;
    case VarType::kDate:
      return value.AsDate().serial;
    case VarType::kString:
      return TextToDouble(value.AsString());
    case VarType::kNull:
      RaiseRuntimeError(kInvalidUseOfNull);
    default:
      break;
  }
  RaiseRuntimeError(kTypeMismatch);
}

int32_t CLng(const Variant& value) {
  if (value.type() == VarType::kLong) return value.AsLong();
  return RoundToInteger<int32_t>(CDbl(value));
}

int16_t CInt(const Variant& value) {
  if (value.type() == VarType::kInteger) return value.AsInteger();
  return RoundToInteger<int16_t>(CDbl(value));
}

bool CBool(const Variant& value) {
  if (value.type() == VarType::kBoolean) return value.AsBoolean();
  if (value.IsString()) {
    if (EqualTextNoCase(value.AsString(), "true")) return true;
    if (EqualTextNoCase(value.AsString(), "false")) return false;
  }
  return CDbl(value) != 0;
}

Currency CCur(const Variant& value) {
  switch (value.type()) {
    case VarType::kCurrency:
      return value.AsCurrency();
    case VarType::kInteger:
      return Currency{value.AsInteger() * int64_t{10000}};
    case VarType::kLong:
      return Currency{value.AsLong() * int64_t{10000}};
    default:
      return Currency::FromDouble(CDbl(value));
  }
}

Date CDate(const Variant& value) {
  if (value.type() == VarType::kDate) return value.AsDate();
  if (value.IsString()) {
    const std::optional<Date> date = ParseDateText(value.AsString());
    if (!date) RaiseRuntimeError(kTypeMismatch);
    return *date;
  }
  return DateFromSerial(CDbl(value));
}

bool IsNumeric(const Variant& value) {
  if (value.IsEmpty() || value.IsNumber()) return true;
  return value.IsString() && ParseLocaleNumber(value.AsString(), CurrentLocale()).has_value();
}

}  // namespace pellora
