#include "platform/vela/document_content.h"

#include <cmath>

#include "platform/vela/member_values.h"

namespace pellora::vela {

const LateBoundObject* DocumentContent::FindLine(int32_t number) const {
  if (number < 1 || number > static_cast<int32_t>(lines.size())) return nullptr;
  return lines[number - 1].get();
}

const LateBoundObject* DocumentContent::LineOf(const LateBoundObject& entry) const {
  const Variant number = entry.Get("NumeroLinhaDocComercial");
  if (IsBlank(number)) return nullptr;
  const double value = NumberOf(number);
  if (value != std::floor(value) || value < 1 || value > static_cast<double>(lines.size())) {
    return nullptr;
  }
  return lines[static_cast<size_t>(value) - 1].get();
}

std::string EntryField(const LateBoundObject& entry, std::string_view field,
                       const LateBoundObject& line, std::string_view line_member) {
  const std::string value = TextMember(entry.Object("campos"), field);
  return value.empty() ? TextMember(line, line_member) : value;
}

}  // namespace pellora::vela
