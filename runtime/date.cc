#include "runtime/date.h"

#include <cmath>

namespace pellora {

namespace {

constexpr int kSecondsPerDay = 86400;

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's civil-day algorithm).
long DaysFromCivil(int year, int month, int day) {
  const int y = year - (month <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const int year_of_era = y - static_cast<int>(era * 400);
  const int day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

void CivilFromDays(long days, DateParts* parts) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const int day_of_era = static_cast<int>(days - era * 146097);
  const int year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int shifted_month = (5 * day_of_year + 2) / 153;
  parts->day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
  parts->month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
  parts->year = static_cast<int>(year_of_era + era * 400) + (parts->month <= 2 ? 1 : 0);
}

const long kSerialEpoch = DaysFromCivil(1899, 12, 30);

// A serial splits into a whole day, counted towards zero, and the time of day, which is always
// the positive fraction: -1.25 is 1899-12-29 at 06:00.
struct DayAndTime {
  long day;
  double time;
};

DayAndTime Split(Date date) {
  const double day = std::trunc(date.serial);
  return {static_cast<long>(day), std::fabs(date.serial - day)};
}

Date Join(long day, double time) {
  return Date{day < 0 ? day - time : day + time};
}

}  // namespace

Date DateFromParts(const DateParts& parts) {
  // Months and days outside their range carry over, as in DateSerial: month 13 is next January.
  const int months = parts.year * 12 + parts.month - 1;
  const int year = months >= 0 ? months / 12 : (months - 11) / 12;
  const long day = DaysFromCivil(year, months - year * 12 + 1, parts.day) - kSerialEpoch;
  const int seconds = parts.hour * 3600 + parts.minute * 60 + parts.second;
  return Join(day, static_cast<double>(seconds) / kSecondsPerDay);
}

DateParts PartsOf(Date date) {
  DayAndTime split = Split(date);
  long seconds = std::lround(split.time * kSecondsPerDay);
  if (seconds == kSecondsPerDay) {  // rounding reached the next midnight
    seconds = 0;
    ++split.day;
  }
  DateParts parts;
  CivilFromDays(split.day + kSerialEpoch, &parts);
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  return parts;
}

Date AddDays(Date date, int days) {
  const DayAndTime split = Split(date);
  return Join(split.day + days, split.time);
}

Date DateOnly(Date date) {
  return Date{std::trunc(date.serial)};
}

}  // namespace pellora
