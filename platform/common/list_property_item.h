#ifndef PELLORA_PLATFORM_COMMON_LIST_PROPERTY_ITEM_H_
#define PELLORA_PLATFORM_COMMON_LIST_PROPERTY_ITEM_H_

#include <string>
#include <string_view>
#include <vector>

#include "interfaces/property_grid.h"

namespace pellora::common {

// A drop-down item of a property grid: its caption, description and numbered
// entries; the entry whose datum equals the value is the one shown.
class ListPropertyItem : public PropertyItem {
 public:
  ListPropertyItem(std::string caption, Variant value)
      : caption_(std::move(caption)), value_(std::move(value)) {}

  const std::string& Caption() const { return caption_; }
  const std::string& Description() const { return description_; }
  const std::string& Tag() const { return tag_; }
  const std::vector<PropertyEntry>& Entries() const { return entries_; }
  // The entry shown; nullptr when the item is blank.
  const PropertyEntry* Chosen() const;
  // The entry whose code is `code` (any case); -1 when none is.
  long IndexOfCode(std::string_view code) const;

  long Id() const override { return id_; }
  void SetId(long id) override { id_ = id; }
  void SetDescription(const std::string& description) override { description_ = description; }
  void SetTag(const std::string& tag) override { tag_ = tag; }
  void ClearEntries() override { entries_.clear(); }
  void AddEntry(const PropertyEntry& entry) override { entries_.push_back(entry); }
  Variant Value() const override { return value_; }
  void SetValue(const Variant& value) override { value_ = value; }

 private:
  std::string caption_;
  std::string description_;
  std::string tag_;
  long id_ = 0;
  std::vector<PropertyEntry> entries_;
  Variant value_;
};

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_LIST_PROPERTY_ITEM_H_
