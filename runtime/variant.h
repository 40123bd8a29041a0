#ifndef PELLORA_RUNTIME_VARIANT_H_
#define PELLORA_RUNTIME_VARIANT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pellora {

// VarType codes, as VB's VarType() returns them.
enum class VarType : int {
  kEmpty = 0,
  kNull = 1,
  kInteger = 2,
  kLong = 3,
  kDouble = 5,
  kCurrency = 6,
  kDate = 7,
  kString = 8,
  kBoolean = 11,
  kByteArray = 8209,  // vbArray + vbByte: binary content
};

// A 64-bit integer scaled by 10,000: four decimals, exact.
struct Currency {
  int64_t scaled = 0;
  static Currency FromDouble(double value);  // rounds half to even at the fourth decimal
  double ToDouble() const { return static_cast<double>(scaled) / 10000.0; }
  friend bool operator==(Currency, Currency) = default;
};

// Days since 1899-12-30; the fraction is the time of day.
struct Date {
  double serial = 0;
  friend bool operator==(Date, Date) = default;
};

using Bytes = std::vector<uint8_t>;

struct NullTag {
  friend bool operator==(NullTag, NullTag) = default;
};

class Variant {
 public:
  Variant() = default;  // Empty
  Variant(int16_t value) : value_(value) {}
  Variant(int32_t value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(Currency value) : value_(value) {}
  Variant(Date value) : value_(value) {}
  Variant(bool value) : value_(value) {}
  Variant(std::string value) : value_(std::move(value)) {}
  Variant(std::string_view value) : value_(std::string(value)) {}
  Variant(const char* value) : value_(std::string(value)) {}
  Variant(Bytes value) : value_(std::move(value)) {}

  static Variant Null() {
    Variant v;
    v.value_ = NullTag{};
    return v;
  }

  VarType type() const;
  bool IsEmpty() const { return value_.index() == 0; }
  bool IsNull() const { return value_.index() == 1; }
  bool IsString() const { return type() == VarType::kString; }
  // Integer, Long, Double, Currency or Boolean.
  bool IsNumber() const { return NumberValue().has_value(); }
  // The value as a Double when it is a number (True is -1); nullopt otherwise.
  std::optional<double> NumberValue() const;

  // Raw access; each requires the matching type (checked with an assert-like Type mismatch).
  int16_t AsInteger() const;
  int32_t AsLong() const;
  double AsDouble() const;
  Currency AsCurrency() const;
  Date AsDate() const;
  bool AsBoolean() const;
  const std::string& AsString() const;
  const Bytes& AsBytes() const;

  // Same type and same value (Empty equals Empty, Null equals Null). Not VB's "=".
  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  std::variant<std::monostate, NullTag, int16_t, int32_t, double, Currency, Date, std::string, bool,
               Bytes>
      value_;
};

}  // namespace pellora

#endif  // PELLORA_RUNTIME_VARIANT_H_
