#include "platform/vela/member_values.h"

#include "runtime/convert.h"
#include "runtime/date_text.h"

namespace pellora::vela {

bool IsBlank(const Variant& value) {
  return value.IsEmpty() || value.IsNull() || (value.IsString() && value.AsString().empty());
}

std::string TextOf(const Variant& value) {
  return value.IsEmpty() || value.IsNull() ? std::string() : CStr(value);
}

double NumberOf(const Variant& value, double when_blank) {
  return IsBlank(value) ? when_blank : CDbl(value);
}

std::string TextMember(const LateBoundObject& object, std::string_view member) {
  return TextOf(object.Get(member));
}

std::optional<Date> DateMember(const LateBoundObject& object, std::string_view member) {
  const Variant value = object.Get(member);
  if (value.type() == VarType::kDate) return value.AsDate();
  if (!value.IsString()) return std::nullopt;
  return ParseDateText(value.AsString());
}

}  // namespace pellora::vela
