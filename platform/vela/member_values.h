#ifndef PELLORA_PLATFORM_VELA_MEMBER_VALUES_H_
#define PELLORA_PLATFORM_VELA_MEMBER_VALUES_H_

#include <optional>
#include <string>
#include <string_view>

#include "runtime/late_bound_object.h"
#include "runtime/variant.h"

namespace pellora::vela {

// How the host reads the values callers leave in its objects: an unset (Empty) or Null member
// counts as the empty text or as no number.

bool IsBlank(const Variant& value);  // Empty, Null or the empty text
std::string TextOf(const Variant& value);
double NumberOf(const Variant& value, double when_blank = 0);
std::string TextMember(const LateBoundObject& object, std::string_view member);
// A date member, given as a date or as "dd-mm-yyyy" text; nullopt when blank or not a date.
std::optional<Date> DateMember(const LateBoundObject& object, std::string_view member);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_MEMBER_VALUES_H_
