#include "platform/console/property_grid.h"

#include <ostream>

#include "runtime/text.h"

namespace pellora::console {

namespace {

std::string ShownEntry(const ConsolePropertyItem& item) {
  const PropertyEntry* chosen = item.Chosen();
  return chosen ? chosen->text : "(em branco)";
}

}  // namespace

PropertyItem& ConsolePropertyCategory::AddChildItem(PropertyItemKind, const std::string& caption,
                                                    const Variant& value) {
  items_.push_back(std::make_unique<ConsolePropertyItem>(caption, value));
  return *items_.back();
}

PropertyCategory& ConsolePropertyGrid::AddCategory(const std::string& caption) {
  categories_.push_back(std::make_unique<ConsolePropertyCategory>(caption));
  return *categories_.back();
}

PropertyItem* ConsolePropertyGrid::FindItem(long id) {
  for (ConsolePropertyItem* item : ItemsInOrder()) {
    if (item->Id() == id) return item;
  }
  return nullptr;
}

ConsolePropertyItem* ConsolePropertyGrid::ItemNumbered(long number) const {
  const std::vector<ConsolePropertyItem*> items = ItemsInOrder();
  if (number < 1 || number > static_cast<long>(items.size())) return nullptr;
  return items[number - 1];
}

ConsolePropertyItem* ConsolePropertyGrid::ItemTagged(std::string_view tag) const {
  for (ConsolePropertyItem* item : ItemsInOrder()) {
    if (CompareTextNoCase(item->Tag(), tag) == 0) return item;
  }
  return nullptr;
}

void ConsolePropertyGrid::Choose(ConsolePropertyItem& item, size_t index) {
  item.SetValue(Variant(item.Entries().at(index).data));
  if (on_value_changed_) on_value_changed_(item);
}

void ConsolePropertyGrid::Render(std::ostream& out) const {
  long number = 0;
  for (const auto& category : categories_) {
    out << category->Caption() << " - " << category->Description() << "\n";
    for (const auto& item : category->Items()) {
      out << "  " << ++number << ") " << item->Caption() << ": " << ShownEntry(*item) << "\n";
    }
  }
}

void ConsolePropertyGrid::RenderEntries(const ConsolePropertyItem& item, std::ostream& out) {
  out << item.Caption() << " - " << item.Description() << "\n";
  const PropertyEntry* chosen = item.Chosen();
  for (size_t index = 0; index < item.Entries().size(); ++index) {
    const PropertyEntry& entry = item.Entries()[index];
    out << (&entry == chosen ? "    * " : "      ") << index + 1 << ") " << entry.text << "\n";
  }
}

std::vector<ConsolePropertyItem*> ConsolePropertyGrid::ItemsInOrder() const {
  std::vector<ConsolePropertyItem*> items;
  for (const auto& category : categories_) {
    for (const auto& item : category->Items()) items.push_back(item.get());
  }
  return items;
}

}  // namespace pellora::console
