// VB conversions and Format: the input is a text, a NUL, then a Format pattern. The text goes
// through Val and every conversion, and each result through Format, under a decimal-comma and a
// decimal-point locale.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/format.h"
#include "runtime/locale.h"
#include "runtime/workstation.h"

namespace pellora {
namespace {

const Locale kPortuguese{",", ".", "-", ":"};
const Locale kEnglish{".", ",", "/", ":"};

void FormatEveryWay(const Variant& value, const std::string& pattern) {
  fuzz::TolerateErrors([&] { CStr(value); });
  fuzz::TolerateErrors([&] { Format(value, pattern); });
}

// A number as every conversion of the system receives it, and as VB's + adds it to itself and
// to a date.
void ConvertNumber(double number, const std::string& pattern) {
  static const Date kDay = DateFromParts({2024, 1, 5});
  fuzz::TolerateErrors([&] { FormatEveryWay(Add(number, number), pattern); });
  fuzz::TolerateErrors([&] { FormatEveryWay(Add(kDay, number), pattern); });
  FormatEveryWay(number, pattern);
  fuzz::TolerateErrors([&] { FormatEveryWay(CInt(number), pattern); });
  fuzz::TolerateErrors([&] { FormatEveryWay(CLng(number), pattern); });
  fuzz::TolerateErrors([&] { FormatEveryWay(CCur(number), pattern); });
  fuzz::TolerateErrors([&] { FormatEveryWay(CDate(number), pattern); });
}

void ConvertText(const std::string& text, const std::string& pattern) {
  const Variant value(text);
  FormatEveryWay(value, pattern);
  fuzz::TolerateErrors([&] { ConvertNumber(Val(text), pattern); });
  fuzz::TolerateErrors([&] { ConvertNumber(CDbl(value), pattern); });
  fuzz::TolerateErrors([&] { CInt(value); });
  fuzz::TolerateErrors([&] { CLng(value); });
  fuzz::TolerateErrors([&] { CBool(value); });
  fuzz::TolerateErrors([&] { IsNumeric(value); });
  fuzz::TolerateErrors([&] { FormatEveryWay(CCur(value), pattern); });
  fuzz::TolerateErrors([&] { FormatEveryWay(CDate(value), pattern); });
}

}  // namespace
}  // namespace pellora

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pellora;
  const std::vector<std::string> parts = fuzz::SplitInput(data, size, 2);
  for (const Locale& locale : {kPortuguese, kEnglish}) {
    const WorkstationScope workstation({.locale = locale});
    ConvertText(parts[0], parts[1]);
  }
  return 0;
}
