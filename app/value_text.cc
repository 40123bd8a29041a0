#include "app/value_text.h"

#include <cstdio>

#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/date_text.h"
#include "runtime/locale.h"
#include "runtime/text.h"

namespace pellora::app {
namespace {

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
  if (value.IsNull()) return "NULL";
  if (value.type() == VarType::kDate) return IsoDateTimeText(value.AsDate());
  if (value.type() == VarType::kByteArray) return HexText(value.AsBytes());
  if (value.IsNumber()) return Replace(CStr(value), CurrentLocale().decimal_separator, ".");
  return CStr(value);
}

}  // namespace pellora::app
