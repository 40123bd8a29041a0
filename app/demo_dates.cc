#include <cstdio>

#include "app/demo_content.h"

namespace pellora::app {

std::string DateTimeText(Date day, int seconds_of_day) {
  const DateParts d = PartsOf(day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day,
                seconds_of_day / 3600, seconds_of_day / 60 % 60, seconds_of_day % 60);
  return text;
}

std::string CompactDateText(Date day, std::optional<int> seconds_of_day) {
  const DateParts d = PartsOf(day);
  char text[32];
  if (seconds_of_day) {
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", d.year, d.month, d.day,
                  *seconds_of_day / 3600, *seconds_of_day / 60 % 60, *seconds_of_day % 60);
  } else {
    std::snprintf(text, sizeof text, "%04d%02d%02d", d.year, d.month, d.day);
  }
  return text;
}

}  // namespace pellora::app
