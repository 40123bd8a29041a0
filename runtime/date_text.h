#ifndef PELLORA_RUNTIME_DATE_TEXT_H_
#define PELLORA_RUNTIME_DATE_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

#include "runtime/variant.h"

namespace pellora {

// Reads "yyyy-mm-dd[ hh:mm[:ss]]" or "dd-mm-yyyy[ hh:mm[:ss]]" ("/" also separates the date),
// blanks around allowed; nullopt when the text is not a valid date in one of these forms.
std::optional<Date> ParseDateText(std::string_view text);

// "yyyy-mm-dd hh:mm:ss", as dates are stored and as integrators read them.
std::string IsoDateTimeText(Date date);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_DATE_TEXT_H_
