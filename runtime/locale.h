#ifndef PELLORA_RUNTIME_LOCALE_H_
#define PELLORA_RUNTIME_LOCALE_H_

#include <string>

namespace pellora {

// The workstation's regional settings that VB conversions and Format read.
struct Locale {
  std::string decimal_separator = ",";
  std::string group_separator = ".";
  std::string date_separator = "-";
  std::string time_separator = ":";
};

const Locale& CurrentLocale();
// Injected by the program (and by tests) before anything converts numbers.
void SetLocale(const Locale& locale);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_LOCALE_H_
