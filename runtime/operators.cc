#include <algorithm>
#include <cmath>
#include <cstdint>

#include "runtime/convert.h"
#include "runtime/error.h"

namespace pellora {

namespace {

// The type of a sum, from the least to the most precise, as VB widens operands.
enum class SumType { kInteger, kLong, kDouble, kCurrency, kDate };

SumType SumTypeOf(const Variant& value) {
  switch (value.type()) {
    case VarType::kEmpty:
    case VarType::kBoolean:
    case VarType::kInteger:
      return SumType::kInteger;
    case VarType::kLong:
      return SumType::kLong;
    case VarType::kDouble:
    case VarType::kString:  // a numeric text joins a number as a Double
      return SumType::kDouble;
    case VarType::kCurrency:
      return SumType::kCurrency;
    case VarType::kDate:
      return SumType::kDate;
    default:
      RaiseRuntimeError(kTypeMismatch);
  }
}

// The exact value of an operand of integer sum type.
int64_t WholeValue(const Variant& value) {
  switch (value.type()) {
    case VarType::kBoolean:
      return value.AsBoolean() ? -1 : 0;
    case VarType::kInteger:
      return value.AsInteger();
    case VarType::kLong:
      return value.AsLong();
    default:
      return 0;  // Empty
  }
}

Variant WholeSum(int64_t sum, SumType type) {
  // An Integer or Long sum that overflows widens, as VB does for Variants.
  if (type == SumType::kInteger && sum >= INT16_MIN && sum <= INT16_MAX) {
    return static_cast<int16_t>(sum);
  }
  if (sum >= INT32_MIN && sum <= INT32_MAX) return static_cast<int32_t>(sum);
  return static_cast<double>(sum);
}

}  // namespace

std::string Concat(const Variant& left, const Variant& right) {
  std::string text = left.IsNull() ? std::string() : CStr(left);
  if (!right.IsNull()) text += CStr(right);
  return text;
}

Variant Add(const Variant& left, const Variant& right) {
  if (left.IsNull() || right.IsNull()) return Variant::Null();
  if (left.IsString() && (right.IsString() || right.IsEmpty())) return Concat(left, right);
  if (left.IsEmpty() && right.IsString()) return right;
  const SumType type = std::max(SumTypeOf(left), SumTypeOf(right));
  switch (type) {
    case SumType::kInteger:
    case SumType::kLong:
      return WholeSum(WholeValue(left) + WholeValue(right), type);
    case SumType::kDouble: {
      // Past the Double range VB overflows; it never yields an infinity.
      const double sum = CDbl(left) + CDbl(right);
      if (std::isinf(sum)) RaiseRuntimeError(kOverflow);
      return sum;
    }
    case SumType::kCurrency: {
      int64_t sum = 0;
      if (__builtin_add_overflow(CCur(left).scaled, CCur(right).scaled, &sum)) {
        RaiseRuntimeError(kOverflow);
      }
      return Currency{sum};
    }
    case SumType::kDate:
      break;
  }
  // As CDate, a sum outside the years 100 to 9999 overflows.
  return CDate(CDbl(left) + CDbl(right));
}

}  // namespace pellora
