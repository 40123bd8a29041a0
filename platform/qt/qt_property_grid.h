#ifndef PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_H_
#define PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_H_

#include <memory>
#include <string>
#include <vector>

#include "interfaces/property_grid.h"
#include "platform/common/list_property_item.h"

class QModelIndex;
class QTreeWidget;
class QTreeWidgetItem;

namespace pellora::qt {

class QtPropertyGrid;

// An item shown as a row of the tree: its caption, then the text of its chosen entry, blank
// when its value is no entry's datum. The value is named, for assistive tools, by the caption.
class QtPropertyItem : public common::ListPropertyItem {
 public:
  QtPropertyItem(QTreeWidgetItem* row, const std::string& caption, const Variant& value);

  void SetDescription(const std::string& description) override;
  void ClearEntries() override;
  void AddEntry(const PropertyEntry& entry) override;
  void SetValue(const Variant& value) override;

  // The operator chose entry `index`.
  void Choose(size_t index);
  // The position of the chosen entry; -1 when the item is blank.
  int ChosenIndex() const;

 private:
  void ShowValue();

  QTreeWidgetItem* row_;
};

class QtPropertyCategory : public PropertyCategory {
 public:
  QtPropertyCategory(QtPropertyGrid& grid, QTreeWidgetItem* row) : grid_(grid), row_(row) {}

  void SetDescription(const std::string& description) override;
  PropertyItem& AddChildItem(PropertyItemKind kind, const std::string& caption,
                             const Variant& value) override;

 private:
  QtPropertyGrid& grid_;
  QTreeWidgetItem* row_;
};

// A property grid as a two-column tree: categories, expanded, and under each its items. One
// value at a time is edited, in a drop-down opened by a click on it, by typing on its row or by
// F2 (see PropertyValueDelegate); the wheel only scrolls. The tree is one stop of the window's
// Tab order; the arrows move between its rows.
class QtPropertyGrid : public PropertyGrid {
 public:
  QtPropertyGrid();
  ~QtPropertyGrid() override;

  PropertyCategory& AddCategory(const std::string& caption) override;
  PropertyItem* FindItem(long id) override;
  void OnValueChanged(ValueChanged handler) override { on_value_changed_ = std::move(handler); }

  QTreeWidget* Tree() const { return tree_; }
  QtPropertyItem& AddItem(QTreeWidgetItem* category, const std::string& caption,
                          const Variant& value);
  // The item of a row of the tree; nullptr for a category's row.
  QtPropertyItem* ItemAt(const QModelIndex& index) const;
  // The operator chose entry `index` of `item`: the add-in hears of it off the interface thread.
  void Chosen(QtPropertyItem& item, int index);

 private:
  QTreeWidget* tree_;
  std::vector<std::unique_ptr<QtPropertyCategory>> categories_;
  std::vector<std::unique_ptr<QtPropertyItem>> items_;
  std::vector<const QTreeWidgetItem*> rows_;  // of items_, in the same order
  ValueChanged on_value_changed_;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_H_
