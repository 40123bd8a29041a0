#ifndef PELLORA_INTERFACES_PROPERTY_GRID_H_
#define PELLORA_INTERFACES_PROPERTY_GRID_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "interfaces/controls.h"
#include "runtime/variant.h"

namespace pellora {

// A property grid: categories of items, each item a drop-down restricted to its list of entries.
// How it is drawn is the implementation's business.

// The item kinds the add-in adds, by the control's numbers.
enum PropertyItemKind : int {
  kPropertyItemEnum = 8,  // a drop-down restricted to the item's entries
};

// One allowed value of an item: the text shown, the datum the item takes as its value when the
// entry is chosen, and the code of the host record it stands for, by which it can be named.
struct PropertyEntry {
  std::string text;
  int32_t data = 0;
  std::string code;
};

class PropertyItem {
 public:
  virtual ~PropertyItem() = default;
  virtual long Id() const = 0;
  virtual void SetId(long id) = 0;
  virtual void SetDescription(const std::string& description) = 0;
  // A name for the program (the column the item edits); never shown.
  virtual void SetTag(const std::string& tag) = 0;
  virtual void ClearEntries() = 0;
  virtual void AddEntry(const PropertyEntry& entry) = 0;
  // The chosen entry's datum. A value that is no entry's datum (the empty text, 0) shows the
  // item blank. Setting it from code raises no change.
  virtual Variant Value() const = 0;
  virtual void SetValue(const Variant& value) = 0;
};

class PropertyCategory {
 public:
  virtual ~PropertyCategory() = default;
  virtual void SetDescription(const std::string& description) = 0;
  virtual PropertyItem& AddChildItem(PropertyItemKind kind, const std::string& caption,
                                     const Variant& value) = 0;
};

class PropertyGrid {
 public:
  // Raised when the operator chooses an entry, after the item's value has changed.
  using ValueChanged = std::function<void(PropertyItem& item)>;

  virtual ~PropertyGrid() = default;
  virtual PropertyCategory& AddCategory(const std::string& caption) = 0;
  // nullptr when no item has the identifier.
  virtual PropertyItem* FindItem(long id) = 0;
  // One handler, as a VB event procedure: subscribing again replaces it.
  virtual void OnValueChanged(ValueChanged handler) = 0;
};

// A form window that can also host a property grid.
class PropertyGridSurface : public FormSurface {
 public:
  // The window's grid; it lives as long as the surface.
  virtual PropertyGrid& AddPropertyGrid() = 0;
};

using PropertyGridSurfacePtr = std::unique_ptr<PropertyGridSurface>;

}  // namespace pellora

#endif  // PELLORA_INTERFACES_PROPERTY_GRID_H_
