#include "runtime/field_type.h"

#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/recordset.h"

namespace pellora {

namespace {

enum class Storage {
  kAsGiven,
  kInteger,
  kLong,
  kDouble,
  kCurrency,
  kBoolean,
  kDate,
  kText,
  kBytes
};

struct TypeInfo {
  Storage storage;
  long fixed_size;  // 0: the size is the column's, given when appended
  long attributes;
};

TypeInfo InfoOf(int ado_type) {
  switch (ado_type) {
    case adSmallInt:
      return {Storage::kInteger, 2, adFldFixed};
    case adTinyInt:
    case adUnsignedTinyInt:
      return {Storage::kInteger, 1, adFldFixed};
    case adInteger:
      return {Storage::kLong, 4, adFldFixed};
    case adSingle:
      return {Storage::kDouble, 4, adFldFixed};
    case adDouble:
    case adBigInt:  // no 64-bit integer among the Variant's types
      return {Storage::kDouble, 8, adFldFixed};
    case adDecimal:
    case adNumeric:
      return {Storage::kDouble, 19, adFldFixed};
    case adCurrency:
      return {Storage::kCurrency, 8, adFldFixed};
    case adBoolean:
      return {Storage::kBoolean, 2, adFldFixed};
    case adDate:
      return {Storage::kDate, 8, adFldFixed};
    case adDBTimeStamp:
      return {Storage::kDate, 16, adFldFixed};
    case adChar:
    case adWChar:
      return {Storage::kText, 0, adFldFixed};
    case adVarChar:
    case adVarWChar:
      return {Storage::kText, 0, 0};
    case adLongVarChar:
    case adLongVarWChar:
      return {Storage::kText, 0, adFldLong};
    case adBinary:
      return {Storage::kBytes, 0, adFldFixed};
    case adVarBinary:
      return {Storage::kBytes, 0, 0};
    case adLongVarBinary:
      return {Storage::kBytes, 0, adFldLong};
    case adVariant:
      return {Storage::kAsGiven, 16, adFldFixed};
    default:
      return {Storage::kAsGiven, 0, 0};
  }
}

Variant Convert(Storage storage, const Variant& value) {
  switch (storage) {
    case Storage::kAsGiven:
      return value;
    case Storage::kInteger:
      return CInt(value);
    case Storage::kLong:
      return CLng(value);
    case Storage::kDouble:
      return CDbl(value);
    case Storage::kCurrency:
      return CCur(value);
    case Storage::kBoolean:
      return CBool(value);
    case Storage::kDate:
      return CDate(value);
    case Storage::kText:
      return CStr(value);
    case Storage::kBytes:
      if (value.type() != VarType::kByteArray) RaiseRuntimeError(kTypeMismatch);
      return value;
  }
  return value;
}

}  // namespace

long DefaultDefinedSize(int ado_type) {
  return InfoOf(ado_type).fixed_size;
}

long DefaultAttributes(int ado_type) {
  return InfoOf(ado_type).attributes;
}

Variant CoerceToFieldType(int ado_type, const Variant& value) {
  if (value.IsNull()) return value;
  try {
    return Convert(InfoOf(ado_type).storage, value);
  } catch (const Error&) {
    RaiseRuntimeError(kAdoDataConversion, "ADODB.Field");
  }
}

}  // namespace pellora
