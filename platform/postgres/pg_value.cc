#include "platform/postgres/pg_value.h"

#include <charconv>
#include <cstdlib>
#include <limits>

#include "runtime/date_text.h"
#include "runtime/recordset.h"

namespace pellora::postgres {
namespace {

std::optional<int64_t> WholeNumber(std::string_view text) {
  int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

std::optional<double> RealNumber(std::string_view text) {
  const std::string copy(text);
  char* end = nullptr;
  const double number = std::strtod(copy.c_str(), &end);
  if (copy.empty() || end != copy.c_str() + copy.size()) return std::nullopt;
  return number;
}

// money prints with a currency sign and group separators ("-$1,234.50"); numeric plainly.
std::optional<Currency> ExactCurrency(std::string_view text) {
  bool negative = false;
  int64_t whole = 0;
  int64_t fraction = 0;
  int decimals = -1;  // -1 until the point
  bool digits = false;
  for (char c : text) {
    if (c == '-') {
      negative = true;
    } else if (c == '.') {
      if (decimals >= 0) return std::nullopt;
      decimals = 0;
    } else if (c >= '0' && c <= '9') {
      digits = true;
      if (decimals < 0) {
        if (whole > std::numeric_limits<int64_t>::max() / 100000) return std::nullopt;
        whole = whole * 10 + (c - '0');
      } else if (decimals < 4) {
        fraction = fraction * 10 + (c - '0');
        ++decimals;
      } else if (c != '0') {
        return std::nullopt;  // more than four decimals that matter: not exact, read as a Double
      }
    } else if (c != '$' && c != ',' && c != ' ') {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  for (int i = std::max(decimals, 0); i < 4; ++i) fraction *= 10;
  const int64_t scaled = whole * 10000 + fraction;
  return Currency{negative ? -scaled : scaled};
}

// "2024-03-01 10:20:30[.123][+00]": the date and whole seconds.
std::optional<Date> Timestamp(std::string_view text) {
  const size_t time_end = text.find_first_of(".+", 10);
  if (time_end != std::string_view::npos) text = text.substr(0, time_end);
  return ParseDateText(text);
}

Bytes HexBytes(std::string_view text) {
  Bytes bytes;
  if (text.substr(0, 2) != "\\x") return Bytes(text.begin(), text.end());
  auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
  for (size_t i = 2; i + 1 < text.size(); i += 2) {
    bytes.push_back(static_cast<uint8_t>(digit(text[i]) * 16 + digit(text[i + 1])));
  }
  return bytes;
}

std::optional<Variant> Typed(std::string_view text, int ado_type) {
  switch (ado_type) {
    case adSmallInt:
    case adUnsignedTinyInt:
    case adTinyInt:
      if (const auto number = WholeNumber(text);
          number && *number >= INT16_MIN && *number <= INT16_MAX) {
        return Variant(static_cast<int16_t>(*number));
      }
      return std::nullopt;
    case adInteger:
    case adBigInt:
      if (const auto number = WholeNumber(text)) {
        if (*number >= INT32_MIN && *number <= INT32_MAX) {
          return Variant(static_cast<int32_t>(*number));
        }
        return Variant(static_cast<double>(*number));
      }
      return std::nullopt;
    case adSingle:
    case adDouble:
    case adDecimal:
    case adNumeric:
      if (const auto number = RealNumber(text)) return Variant(*number);
      return std::nullopt;
    case adCurrency:
      if (const auto exact = ExactCurrency(text)) return Variant(*exact);
      if (const auto number = RealNumber(text)) return Variant(Currency::FromDouble(*number));
      return std::nullopt;
    case adBoolean:
      if (text == "t" || text == "true" || text == "1") return Variant(true);
      if (text == "f" || text == "false" || text == "0") return Variant(false);
      return std::nullopt;
    case adDate:
    case adDBTimeStamp:
      if (const auto date = Timestamp(text)) return Variant(*date);
      return std::nullopt;
    case adBinary:
    case adVarBinary:
    case adLongVarBinary:
      return Variant(HexBytes(text));
    default:
      return std::nullopt;
  }
}

std::string DoubleText(double value) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, end);
}

std::string CurrencyText(Currency value) {
  const bool negative = value.scaled < 0;
  const uint64_t magnitude =
      negative ? 0 - static_cast<uint64_t>(value.scaled) : static_cast<uint64_t>(value.scaled);
  std::string decimals = std::to_string(magnitude % 10000);
  decimals.insert(0, 4 - decimals.size(), '0');
  return (negative ? "-" : "") + std::to_string(magnitude / 10000) + "." + decimals;
}

std::string HexText(const Bytes& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "\\x";
  for (uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xf];
  }
  return text;
}

}  // namespace

Variant ValueFromText(std::string_view text, int ado_type) {
  if (auto typed = Typed(text, ado_type)) return std::move(*typed);
  return Variant(text);
}

std::optional<std::string> ParameterText(const Variant& value) {
  switch (value.type()) {
    case VarType::kEmpty:
    case VarType::kNull:
      return std::nullopt;
    case VarType::kInteger:
      return std::to_string(value.AsInteger());
    case VarType::kLong:
      return std::to_string(value.AsLong());
    case VarType::kDouble:
      return DoubleText(value.AsDouble());
    case VarType::kCurrency:
      return CurrencyText(value.AsCurrency());
    case VarType::kDate:
      return IsoDateTimeText(value.AsDate());
    case VarType::kBoolean:
      return value.AsBoolean() ? "1" : "0";  // read by boolean and by the smallint of a bit
    case VarType::kByteArray:
      return HexText(value.AsBytes());
    case VarType::kString:
      return value.AsString();
  }
  return std::nullopt;
}

}  // namespace pellora::postgres
