#include <cmath>
#include <optional>
#include <string>

#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/number_text.h"

namespace pellora {

double Val(const std::string& text) {
  // Val reads through blanks, tabs and line breaks: " 2 45 7" is 2457.
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') compact.push_back(c);
  }
  size_t length = 0;
  if (std::optional<double> radix = ReadRadixLiteral(compact, &length)) return *radix;
  std::string canonical;
  if (ScanDecimal(compact, ".", {}, &canonical) == 0) return 0;
  const double value = CanonicalToDouble(canonical);
  // A number past the Double range is an overflow, as in CDbl, never an infinity.
  if (std::isinf(value)) RaiseRuntimeError(kOverflow);
  return value;
}

}  // namespace pellora
