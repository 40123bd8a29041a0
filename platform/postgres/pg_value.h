#ifndef PELLORA_PLATFORM_POSTGRES_PG_VALUE_H_
#define PELLORA_PLATFORM_POSTGRES_PG_VALUE_H_

#include <optional>
#include <string>
#include <string_view>

#include "runtime/variant.h"

namespace pellora::postgres {

// The Variant a field of `ado_type` holds for `text`, a value as the server writes it in text
// form: Integer, Long, Double, Currency (exact), Date, Boolean, bytes or String by the type; the
// text itself when it does not read as the type.
Variant ValueFromText(std::string_view text, int ado_type);

// A Variant as a parameter in text form: dates as 'yyyy-mm-dd hh:mm:ss', Currency with its four
// decimals, Boolean as 1 or 0, bytes in bytea's hex form; nullopt (NULL) for Empty and
// Null.
std::optional<std::string> ParameterText(const Variant& value);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_VALUE_H_
