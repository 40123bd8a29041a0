#include "runtime/clock.h"

#include <ctime>

#include "runtime/date.h"
#include "runtime/workstation.h"

namespace pellora {

namespace {

Date SystemNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return DateFromParts({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec});
}

}  // namespace

Date Now() {
  const Workstation& workstation = CurrentWorkstation();
  return workstation.clock ? workstation.clock() : SystemNow();
}

Date Today() {
  return DateOnly(Now());
}

}  // namespace pellora
