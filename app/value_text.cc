#include "app/value_text.h"

#include <cstdio>
#include <cstdlib>

#include "runtime/date.h"

namespace pellora::app {
namespace {

std::string DoubleText(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.15G", value);
  return text;
}

std::string CurrencyText(Currency value) {
  std::string text = std::to_string(value.scaled / 10000);
  int64_t fraction = value.scaled % 10000;
  if (value.scaled < 0 && value.scaled > -10000) text = "-" + text;
  if (fraction != 0) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04lld", static_cast<long long>(std::llabs(fraction)));
    std::string decimals = digits;
    decimals.erase(decimals.find_last_not_of('0') + 1);
    text += "." + decimals;
  }
  return text;
}

std::string DateText(Date value) {
  DateParts p = PartsOf(value);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                p.minute, p.second);
  return text;
}

std::string HexText(const Bytes& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

}  // namespace

std::string PlainText(const Variant& value) {
  switch (value.type()) {
    case VarType::kEmpty:
      return "";
    case VarType::kNull:
      return "NULL";
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
      return HexText(value.AsBytes());
  }
  return "";
}

}  // namespace pellora::app
