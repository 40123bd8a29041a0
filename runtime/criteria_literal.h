#ifndef PELLORA_RUNTIME_CRITERIA_LITERAL_H_
#define PELLORA_RUNTIME_CRITERIA_LITERAL_H_

#include <optional>
#include <string_view>

#include "runtime/criteria.h"

namespace pellora {

// A number as criteria write it: optional sign and '$', '.' as the decimal point, E notation.
std::optional<double> ParseCriteriaNumber(std::string_view text);
// A date as criteria write it: US m/d/yyyy (two-digit years allowed) or yyyy-mm-dd, optionally
// followed by h:mm[:ss] and AM/PM. Gives the date serial; nullopt when not a valid date.
std::optional<double> ParseCriteriaDate(std::string_view text);

CriteriaLiteral TextLiteral(std::string text);
CriteriaLiteral NumberLiteral(std::string token, double value);
CriteriaLiteral DateLiteral(std::string token, double serial);
CriteriaLiteral NullLiteral();

}  // namespace pellora

#endif  // PELLORA_RUNTIME_CRITERIA_LITERAL_H_
