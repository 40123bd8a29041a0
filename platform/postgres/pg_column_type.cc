#include "platform/postgres/pg_column_type.h"

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

}  // namespace pellora::postgres
