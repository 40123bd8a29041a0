#ifndef PELLORA_RUNTIME_FORMAT_PATTERNS_H_
#define PELLORA_RUNTIME_FORMAT_PATTERNS_H_

#include <string>
#include <string_view>

#include "runtime/locale.h"
#include "runtime/variant.h"

namespace pellora {

// Format with a date pattern: d dd m mm yy yyyy h hh n nn s ss, in any case; m or mm right after
// h or hh (a ':' between allowed) is the minute. "/" and ":" print the locale's separators, a
// character after "\" and text between double quotes print as they are, so does anything else.
std::string FormatDate(Date date, std::string_view pattern, const Locale& locale);

// Format with a number pattern of "0" and "#" placeholders, "." and ",". "," between
// placeholders groups thousands, just left of "." or at the end it divides by 1000. The rightmost
// decimal placeholder sets the decimals, the rightmost "0" how many always print. Rounds half
// away from zero. Text before and after the placeholders prints as it is.
std::string FormatNumber(double value, std::string_view pattern, const Locale& locale);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_FORMAT_PATTERNS_H_
