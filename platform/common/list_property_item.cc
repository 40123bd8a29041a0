#include "platform/common/list_property_item.h"

#include "runtime/convert.h"
#include "runtime/text.h"

namespace pellora::common {

const PropertyEntry* ListPropertyItem::Chosen() const {
  if (!value_.IsNumber()) return nullptr;
  const int32_t datum = CLng(value_);
  for (const PropertyEntry& entry : entries_) {
    if (entry.data == datum) return &entry;
  }
  return nullptr;
}

long ListPropertyItem::IndexOfCode(std::string_view code) const {
  for (size_t index = 0; index < entries_.size(); ++index) {
    if (CompareTextNoCase(entries_[index].code, code) == 0) return static_cast<long>(index);
  }
  return -1;
}

}  // namespace pellora::common
