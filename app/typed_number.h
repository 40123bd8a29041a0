#ifndef PELLORA_APP_TYPED_NUMBER_H_
#define PELLORA_APP_TYPED_NUMBER_H_

#include <optional>
#include <string>
#include <string_view>

namespace pellora::app {

// A number as an integrator types it on the command line: an optional sign, digits and at most
// one decimal separator, a comma or a point alike ("1,25" and "1.25" are one and a quarter).
// Anything else ("1.234,5", "1,2,3", "abc", "1e3") is no number.
std::optional<double> ParseTypedNumber(std::string_view text);

// `text` read as above; UsageError naming `what` when it is no number.
double TypedNumber(std::string_view text, const std::string& what);

// The number `text` as the workstation would type it, with its own decimal separator: the add-in
// reads what the operator types with the workstation's conventions. UsageError as above.
std::string AsWorkstationTypes(std::string_view text, const std::string& what);

// A whole number from `lowest` to `highest`, digits with an optional sign; UsageError naming
// `what` otherwise.
long WholeNumber(std::string_view text, const std::string& what, long lowest, long highest);

}  // namespace pellora::app

#endif  // PELLORA_APP_TYPED_NUMBER_H_
