#include "platform/sqlite/sql_value.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "runtime/date.h"
#include "runtime/date_text.h"

namespace pellora::sqlite {
namespace {

// Length of 'YYYY-MM-DD HH:MM:SS'; fractions of a second after it are dropped.
constexpr size_t kDateTimeLength = 19;

// The value as stored, for untyped columns and values that do not fit their column's type.
Variant AsStored(SqlValue value) {
  struct Visitor {
    Variant operator()(std::monostate) const { return Variant::Null(); }
    Variant operator()(int64_t number) const {
      if (number >= std::numeric_limits<int32_t>::min() &&
          number <= std::numeric_limits<int32_t>::max()) {
        return Variant(static_cast<int32_t>(number));
      }
      return Variant(static_cast<double>(number));
    }
    Variant operator()(double number) const { return Variant(number); }
    Variant operator()(std::string& text) const { return Variant(std::move(text)); }
    Variant operator()(Bytes& bytes) const { return Variant(std::move(bytes)); }
  };
  return std::visit(Visitor{}, value);
}

std::optional<double> AsNumber(const SqlValue& value) {
  if (const auto* number = std::get_if<int64_t>(&value)) return static_cast<double>(*number);
  if (const auto* number = std::get_if<double>(&value)) return *number;
  return std::nullopt;
}

std::string AsText(SqlValue& value) {
  if (auto* text = std::get_if<std::string>(&value)) return std::move(*text);
  if (const auto* number = std::get_if<int64_t>(&value)) return std::to_string(*number);
  if (const auto* number = std::get_if<double>(&value)) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", *number);
    return text;
  }
  const auto& bytes = std::get<Bytes>(value);
  return std::string(bytes.begin(), bytes.end());
}

std::optional<Variant> ToDate(const SqlValue& value) {
  const auto* text = std::get_if<std::string>(&value);
  if (text == nullptr) return std::nullopt;
  std::string_view view(*text);
  if (view.size() > kDateTimeLength && view[kDateTimeLength] == '.') {
    view = view.substr(0, kDateTimeLength);
  }
  const std::optional<Date> date = ParseDateText(view);
  if (!date) return std::nullopt;
  return Variant(*date);
}

std::optional<Variant> ToWhole(const SqlValue& value, double low, double high) {
  const std::optional<double> number = AsNumber(value);
  if (!number || *number != std::trunc(*number) || *number < low || *number > high) {
    return std::nullopt;
  }
  if (high <= std::numeric_limits<int16_t>::max()) {
    return Variant(static_cast<int16_t>(*number));
  }
  return Variant(static_cast<int32_t>(*number));
}

// Texts and bytes are moved out of `value`; it is left as it was when nullopt is answered.
std::optional<Variant> Converted(SqlValue& value, int ado_type) {
  switch (ado_type) {
    case adSmallInt:
    case adTinyInt:
    case adUnsignedTinyInt:
      return ToWhole(value, std::numeric_limits<int16_t>::min(),
                     std::numeric_limits<int16_t>::max());
    case adInteger:
    case adBigInt:
      return ToWhole(value, std::numeric_limits<int32_t>::min(),
                     std::numeric_limits<int32_t>::max());
    case adSingle:
    case adDouble:
    case adDecimal:
    case adNumeric:
      if (const auto number = AsNumber(value)) return Variant(*number);
      return std::nullopt;
    case adCurrency:
      if (const auto number = AsNumber(value)) return Variant(Currency::FromDouble(*number));
      return std::nullopt;
    case adBoolean:
      if (const auto number = AsNumber(value)) return Variant(*number != 0);
      return std::nullopt;
    case adDate:
    case adDBTimeStamp:
      return ToDate(value);
    case adChar:
    case adWChar:
    case adVarChar:
    case adVarWChar:
    case adLongVarChar:
    case adLongVarWChar:
      return Variant(AsText(value));
    case adBinary:
    case adVarBinary:
    case adLongVarBinary:
      if (auto* bytes = std::get_if<Bytes>(&value)) return Variant(std::move(*bytes));
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace

SqlValue ReadColumn(sqlite3_stmt* stmt, int column) {
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
      return static_cast<int64_t>(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
      return sqlite3_column_double(stmt, column);
    case SQLITE_TEXT: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
      return std::string(text, sqlite3_column_bytes(stmt, column));
    }
    case SQLITE_BLOB: {
      const auto* data = static_cast<const uint8_t*>(sqlite3_column_blob(stmt, column));
      return Bytes(data, data + sqlite3_column_bytes(stmt, column));
    }
    default:
      return std::monostate();
  }
}

void BindValue(sqlite3_stmt* stmt, int index, const SqlValue& value) {
  struct Binder {
    sqlite3_stmt* stmt;
    int index;
    void operator()(std::monostate) const { sqlite3_bind_null(stmt, index); }
    void operator()(int64_t number) const { sqlite3_bind_int64(stmt, index, number); }
    void operator()(double number) const { sqlite3_bind_double(stmt, index, number); }
    void operator()(const std::string& text) const {
      sqlite3_bind_text64(stmt, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    void operator()(const Bytes& bytes) const {
      sqlite3_bind_blob64(stmt, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
    }
  };
  std::visit(Binder{stmt, index}, value);
}

Variant ToVariant(SqlValue value, int ado_type) {
  if (std::holds_alternative<std::monostate>(value)) return Variant::Null();
  if (std::optional<Variant> converted = Converted(value, ado_type)) return std::move(*converted);
  return AsStored(std::move(value));
}

SqlValue FromVariant(const Variant& value) {
  switch (value.type()) {
    case VarType::kInteger:
      return static_cast<int64_t>(value.AsInteger());
    case VarType::kLong:
      return static_cast<int64_t>(value.AsLong());
    case VarType::kDouble:
      return value.AsDouble();
    case VarType::kCurrency:
      return value.AsCurrency().ToDouble();
    case VarType::kDate:
      return IsoDateTimeText(value.AsDate());
    case VarType::kString:
      return value.AsString();
    case VarType::kBoolean:
      return static_cast<int64_t>(value.AsBoolean() ? 1 : 0);
    case VarType::kByteArray:
      return value.AsBytes();
    default:
      return std::monostate();
  }
}

}  // namespace pellora::sqlite
