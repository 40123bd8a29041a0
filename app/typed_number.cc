#include "app/typed_number.h"

#include <charconv>
#include <regex>

#include "app/command_line.h"
#include "runtime/convert.h"

namespace pellora::app {

std::optional<double> ParseTypedNumber(std::string_view text) {
  static const std::regex kNumber(R"([+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+))");
  std::string plain(text);
  if (!std::regex_match(plain, kNumber)) return std::nullopt;
  if (plain.front() == '+') plain.erase(0, 1);
  if (const size_t comma = plain.find(','); comma != std::string::npos) plain[comma] = '.';
  double value = 0;
  const auto [end, failure] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (failure != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

double TypedNumber(std::string_view text, const std::string& what) {
  if (std::optional<double> value = ParseTypedNumber(text)) return *value;
  throw UsageError(what + " deve ser um número, com vírgula ou ponto decimal (como 1,25 ou " +
                   "1.25): " + std::string(text) + ".");
}

std::string AsWorkstationTypes(std::string_view text, const std::string& what) {
  return CStr(Variant(TypedNumber(text, what)));
}

long WholeNumber(std::string_view text, const std::string& what, long lowest, long highest) {
  static const std::regex kWhole(R"([+-]?[0-9]+)");
  long value = 0;
  const std::string plain(text);
  const char* first = plain.data() + (plain.starts_with('+') ? 1 : 0);
  const auto failure = std::from_chars(first, plain.data() + plain.size(), value).ec;
  if (!std::regex_match(plain, kWhole) || failure != std::errc() || value < lowest ||
      value > highest) {
    throw UsageError(what + " deve ser um número inteiro de " + std::to_string(lowest) + " a " +
                     std::to_string(highest) + ": " + std::string(text) + ".");
  }
  return value;
}

}  // namespace pellora::app
