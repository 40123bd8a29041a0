#include "platform/postgres/pg_column_type.h"

#include <charconv>
#include <string>

#include "runtime/text.h"

namespace pellora::postgres {
namespace {

// Type OIDs of PostgreSQL's built-in types (fixed by the server's catalog).
enum : Oid {
  kBool = 16,
  kBytea = 17,
  kInt8 = 20,
  kInt2 = 21,
  kInt4 = 23,
  kText = 25,
  kFloat4 = 700,
  kFloat8 = 701,
  kMoney = 790,
  kBpchar = 1042,
  kVarchar = 1043,
  kDate = 1082,
  kTimestamp = 1114,
  kTimestampTz = 1184,
  kNumeric = 1700,
};

// The header PostgreSQL adds to the length of a varchar(n) or char(n) modifier.
constexpr int kVarHeaderSize = 4;

struct TypeName {
  std::string_view name;
  int ado_type;
  long size;  // 0: the declared length gives it
};

constexpr TypeName kTypeNames[] = {
    {"int", adInteger, 4},
    {"integer", adInteger, 4},
    {"smallint", adSmallInt, 2},
    {"tinyint", adUnsignedTinyInt, 1},
    {"bigint", adBigInt, 8},
    {"float", adDouble, 8},
    {"real", adSingle, 4},
    {"money", adCurrency, 8},
    {"smallmoney", adCurrency, 8},
    {"decimal", adNumeric, 19},
    {"numeric", adNumeric, 19},
    {"bit", adBoolean, 2},
    {"datetime", adDBTimeStamp, 16},
    {"smalldatetime", adDBTimeStamp, 16},
    {"nvarchar", adVarWChar, 0},
    {"nchar", adWChar, 0},
    {"varchar", adVarChar, 0},
    {"char", adChar, 0},
    {"ntext", adLongVarWChar, kLongUnicodeSize},
    {"text", adLongVarChar, kLongTextSize},
    {"varbinary", adVarBinary, 0},
    {"binary", adBinary, 0},
    {"image", adLongVarBinary, kLongTextSize},
};

// (max) makes a text or binary type the long type of its family.
PgColumnType LongType(int ado_type) {
  switch (ado_type) {
    case adVarWChar:
    case adWChar:
      return {adLongVarWChar, kLongUnicodeSize};
    case adVarChar:
    case adChar:
      return {adLongVarChar, kLongTextSize};
    default:
      return {adLongVarBinary, kLongTextSize};
  }
}

PgColumnType NumericType(int modifier) {
  if (modifier >= kVarHeaderSize) {
    const int precision = ((modifier - kVarHeaderSize) >> 16) & 0xffff;
    const int scale = (modifier - kVarHeaderSize) & 0xffff;
    if (precision == 19 && scale == 4) return {adCurrency, 8};
  }
  return {adNumeric, 19};
}

PgColumnType TextType(int ado_type, int modifier) {
  if (modifier < kVarHeaderSize) return {ado_type, kUntypedTextSize};
  return {ado_type, modifier - kVarHeaderSize};
}

}  // namespace

PgColumnType ColumnTypeOfOid(Oid oid, int modifier) {
  switch (oid) {
    case kBool:
      return {adBoolean, 2};
    case kBytea:
      return {adLongVarBinary, kLongTextSize};
    case kInt8:
      return {adBigInt, 8};
    case kInt2:
      return {adSmallInt, 2};
    case kInt4:
      return {adInteger, 4};
    case kFloat4:
      return {adSingle, 4};
    case kFloat8:
      return {adDouble, 8};
    case kMoney:
      return {adCurrency, 8};
    case kNumeric:
      return NumericType(modifier);
    case kDate:
    case kTimestamp:
    case kTimestampTz:
      return {adDBTimeStamp, 16};
    case kBpchar:
      return TextType(adWChar, modifier);
    case kVarchar:
      return TextType(adVarWChar, modifier);
    default:  // text, and every type the system does not declare, reads as text
      return {adVarWChar, kUntypedTextSize};
  }
}

std::optional<PgColumnType> ColumnTypeFromDeclared(std::string_view declared) {
  std::string text;
  for (char c : declared) {
    if (c != '[' && c != ']') text += c;
  }
  const size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string::npos) return std::nullopt;
  const size_t name_end = std::min(text.size(), text.find_first_of(" \t\r\n(", start));
  const std::string name = LCase(std::string_view(text).substr(start, name_end - start));
  const TypeName* known = nullptr;
  for (const TypeName& type : kTypeNames) {
    if (type.name == name) known = &type;
  }
  if (known == nullptr) return std::nullopt;
  if (known->size != 0) return PgColumnType{known->ado_type, known->size};

  // A text or binary type without a length holds one character, as SQL Server declares it.
  long length = 1;
  const size_t open = text.find_first_not_of(" \t\r\n", name_end);
  if (open != std::string::npos && text[open] == '(') {
    const size_t digits = std::min(text.size(), text.find_first_not_of(" \t", open + 1));
    const char* first = text.data() + digits;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), length);
    if (error != std::errc() || end == first) {
      if (LCase(std::string_view(text).substr(digits, 3)) != "max") return std::nullopt;
      return LongType(known->ado_type);
    }
  }
  return PgColumnType{known->ado_type, length};
}

}  // namespace pellora::postgres
