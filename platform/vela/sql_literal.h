#ifndef PELLORA_PLATFORM_VELA_SQL_LITERAL_H_
#define PELLORA_PLATFORM_VELA_SQL_LITERAL_H_

#include <string>
#include <string_view>

#include "runtime/variant.h"

namespace pellora::vela {

// Literals of the SQL Server text the host stand-in sends.

// The text as a whole Unicode literal of SQL Server, N'...', every single quote in it doubled.
std::string UnicodeLiteral(std::string_view text);
// Plain decimal with a point, as short as keeps the value ("2.5", "-3", "0.1").
std::string SqlNumber(double value);
// 'yyyy-MM-dd HH:mm:ss'.
std::string SqlDateTime(Date date);
// A number as a command's value: whole numbers as integers, as their literal would be.
Variant NumberValue(double value);
// "HH:mm:ss" of the date's time of day.
std::string TimeOfDayText(Date date);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_SQL_LITERAL_H_
