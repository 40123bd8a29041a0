#ifndef PELLORA_RUNTIME_DATE_H_
#define PELLORA_RUNTIME_DATE_H_

#include "runtime/variant.h"

namespace pellora {

struct DateParts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
};

Date DateFromParts(const DateParts& parts);
DateParts PartsOf(Date date);
// DateAdd("d", days, date).
Date AddDays(Date date, int days);
// The date without its time of day.
Date DateOnly(Date date);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_DATE_H_
