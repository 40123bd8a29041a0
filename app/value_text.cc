#include "app/value_text.h"

#include <cstdio>

#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/locale.h"
#include "runtime/text.h"

namespace pellora::app {
namespace {

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
    case VarType::kCurrency:
      return Replace(CStr(value), CurrentLocale().decimal_separator, ".");
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
