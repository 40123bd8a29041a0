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

// The regional settings of the workstation in force (runtime/workstation.h).
const Locale& CurrentLocale();

}  // namespace pellora

#endif  // PELLORA_RUNTIME_LOCALE_H_
