#ifndef PELLORA_RUNTIME_NUMBER_TEXT_H_
#define PELLORA_RUNTIME_NUMBER_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

#include "runtime/locale.h"

namespace pellora {

// Reads the longest number at the start of `text` with the given separators: a sign, digits
// (a group separator is skipped between two digits), the decimal separator and more digits, and
// an exponent (E or D). Writes the number in C form ("-1234.5e3") to `canonical` and returns how
// many characters it took, 0 when `text` does not start with a number.
size_t ScanDecimal(std::string_view text, std::string_view decimal_separator,
                   std::string_view group_separator, std::string* canonical);

// Reads a "&H" (hexadecimal) or "&O" (octal) literal at the start of `text`, as VB types it:
// up to 16 bits it is an Integer (&HFFFF is -1), up to 32 bits a Long. Sets `*length` to the
// characters taken; nullopt when there is no such literal or it needs more than 32 bits.
std::optional<double> ReadRadixLiteral(std::string_view text, size_t* length);

// The value of a number in the C form that ScanDecimal writes; infinite when it is too large.
double CanonicalToDouble(std::string_view canonical);

// The whole of `text`, blanks around it allowed, read as a number with the locale's separators;
// nullopt when it is not one.
std::optional<double> ParseLocaleNumber(std::string_view text, const Locale& locale);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_NUMBER_TEXT_H_
