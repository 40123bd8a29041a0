#include "runtime/variant.h"

#include <cmath>
#include <iterator>

#include "runtime/error.h"

namespace pellora {

namespace {

// Two to the 63rd: the first scaled value a Currency cannot hold.
constexpr double kCurrencyLimit = 9223372036854775808.0;

template <typename T>
const T& Expect(const auto& value) {
  const T* held = std::get_if<T>(&value);
  if (held == nullptr) RaiseRuntimeError(kTypeMismatch);
  return *held;
}

}  // namespace

Currency Currency::FromDouble(double value) {
  // The default rounding mode rounds half to even, as VB does for currency.
  const double scaled = std::nearbyint(value * 10000.0);
  if (!(scaled >= -kCurrencyLimit && scaled < kCurrencyLimit)) RaiseRuntimeError(kOverflow);
  return Currency{static_cast<int64_t>(scaled)};
}

VarType Variant::type() const {
  static constexpr VarType kTypes[] = {
      VarType::kEmpty,    VarType::kNull, VarType::kInteger, VarType::kLong,    VarType::kDouble,
      VarType::kCurrency, VarType::kDate, VarType::kString,  VarType::kBoolean, VarType::kByteArray,
  };
  static_assert(std::size(kTypes) == std::variant_size_v<decltype(value_)>);
  return kTypes[value_.index()];
}

std::optional<double> Variant::NumberValue() const {
  switch (type()) {
    case VarType::kInteger:
      return AsInteger();
    case VarType::kLong:
      return AsLong();
    case VarType::kDouble:
      return AsDouble();
    case VarType::kCurrency:
      return AsCurrency().ToDouble();
    case VarType::kBoolean:
      return AsBoolean() ? -1.0 : 0.0;
    default:
      return std::nullopt;
  }
}

int16_t Variant::AsInteger() const {
  return Expect<int16_t>(value_);
}
int32_t Variant::AsLong() const {
  return Expect<int32_t>(value_);
}
double Variant::AsDouble() const {
  return Expect<double>(value_);
}
Currency Variant::AsCurrency() const {
  return Expect<Currency>(value_);
}
Date Variant::AsDate() const {
  return Expect<Date>(value_);
}
bool Variant::AsBoolean() const {
  return Expect<bool>(value_);
}
const std::string& Variant::AsString() const {
  return Expect<std::string>(value_);
}
const Bytes& Variant::AsBytes() const {
  return Expect<Bytes>(value_);
}

}  // namespace pellora
