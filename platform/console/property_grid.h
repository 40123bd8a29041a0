#ifndef PELLORA_PLATFORM_CONSOLE_PROPERTY_GRID_H_
#define PELLORA_PLATFORM_CONSOLE_PROPERTY_GRID_H_

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "interfaces/property_grid.h"
#include "platform/common/list_property_item.h"

namespace pellora::console {

using ConsolePropertyItem = common::ListPropertyItem;

class ConsolePropertyCategory : public PropertyCategory {
 public:
  explicit ConsolePropertyCategory(std::string caption) : caption_(std::move(caption)) {}

  const std::string& Caption() const { return caption_; }
  const std::string& Description() const { return description_; }
  const std::vector<std::unique_ptr<ConsolePropertyItem>>& Items() const { return items_; }

  void SetDescription(const std::string& description) override { description_ = description; }
  PropertyItem& AddChildItem(PropertyItemKind kind, const std::string& caption,
                             const Variant& value) override;

 private:
  std::string caption_;
  std::string description_;
  std::vector<std::unique_ptr<ConsolePropertyItem>> items_;
};

// A property grid printed as its categories and their items, numbered from 1 in display order,
// each with the entry it shows. The operator chooses an item by its number, then an entry.
class ConsolePropertyGrid : public PropertyGrid {
 public:
  PropertyCategory& AddCategory(const std::string& caption) override;
  PropertyItem* FindItem(long id) override;
  void OnValueChanged(ValueChanged handler) override { on_value_changed_ = std::move(handler); }

  // nullptr when there is no such item.
  ConsolePropertyItem* ItemNumbered(long number) const;
  ConsolePropertyItem* ItemTagged(std::string_view tag) const;
  // The operator's choice of the entry at `index` (from 0): the item takes the entry's datum,
  // then the change is raised.
  void Choose(ConsolePropertyItem& item, size_t index);

  void Render(std::ostream& out) const;
  // The item's description and its entries numbered from 1, the one shown marked "*".
  static void RenderEntries(const ConsolePropertyItem& item, std::ostream& out);

 private:
  std::vector<ConsolePropertyItem*> ItemsInOrder() const;

  std::vector<std::unique_ptr<ConsolePropertyCategory>> categories_;
  ValueChanged on_value_changed_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_PROPERTY_GRID_H_
