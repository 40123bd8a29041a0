#include "runtime/clock.h"

#include <ctime>
#include <utility>

#include "runtime/date.h"

namespace pellora {

namespace {

Date SystemNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return DateFromParts({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec});
}

std::function<Date()>& InjectedClock() {
  static std::function<Date()> clock;
  return clock;
}

}  // namespace

Date Now() {
  return InjectedClock() ? InjectedClock()() : SystemNow();
}

Date Today() {
  return DateOnly(Now());
}

void SetClock(std::function<Date()> clock) {
  InjectedClock() = std::move(clock);
}

}  // namespace pellora
