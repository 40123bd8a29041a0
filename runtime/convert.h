#ifndef PELLORA_RUNTIME_CONVERT_H_
#define PELLORA_RUNTIME_CONVERT_H_

#include <string>

#include "runtime/variant.h"

namespace pellora {

// VB conversions with the rules of the VB runtime and the injected locale.
// Null raises 94, texts that are not numbers raise 13, values out of range raise 6.
std::string CStr(const Variant& value);
double CDbl(const Variant& value);
int32_t CLng(const Variant& value);  // banker's rounding
int16_t CInt(const Variant& value);  // banker's rounding
bool CBool(const Variant& value);
Currency CCur(const Variant& value);
Date CDate(const Variant& value);
double Val(const std::string& text);
bool IsNumeric(const Variant& value);

// VB's "&": Null and Empty join as "".
std::string Concat(const Variant& left, const Variant& right);
// VB's "+": Null in gives Null out; two texts join; otherwise numbers add.
Variant Add(const Variant& left, const Variant& right);

// Rounds half to even, as CInt, CLng and currency do.
double BankersRound(double value);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_CONVERT_H_
