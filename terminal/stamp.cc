#include "terminal/stamp.h"

#include <cstdio>

namespace pellora::terminal {

std::string StampText(std::time_t moment) {
  std::tm local{};
  localtime_r(&moment, &local);
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

std::time_t StampTime(const std::string& stamp) {
  std::tm local{};
  if (stamp.size() != 14 ||
      std::sscanf(stamp.c_str(), "%4d%2d%2d%2d%2d%2d", &local.tm_year, &local.tm_mon,
                  &local.tm_mday, &local.tm_hour, &local.tm_min, &local.tm_sec) != 6) {
    return -1;
  }
  local.tm_year -= 1900;
  local.tm_mon -= 1;
  local.tm_isdst = -1;
  return std::mktime(&local);
}

}  // namespace pellora::terminal
