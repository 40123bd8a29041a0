#ifndef PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_H_
#define PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_H_

#include <memory>
#include <string>
#include <vector>

#include "interfaces/property_grid.h"
#include "platform/common/list_property_item.h"

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace pellora::qt {

class QtPropertyGrid;

// An item shown as a row of the tree: its caption and a drop-down of its entries, blank when
// its value is no entry's datum.
class QtPropertyItem : public common::ListPropertyItem {
 public:
  QtPropertyItem(QtPropertyGrid& grid, QTreeWidgetItem* row, const std::string& caption,
                 const Variant& value);

  void SetDescription(const std::string& description) override;
  void ClearEntries() override;
  void AddEntry(const PropertyEntry& entry) override;
  void SetValue(const Variant& value) override;

  QComboBox* Combo() const { return combo_; }

 private:
  void ShowValue();

  QTreeWidgetItem* row_;
  QComboBox* combo_;
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

// A property grid as a two-column tree: categories, expanded, and under each its items.
class QtPropertyGrid : public PropertyGrid {
 public:
  QtPropertyGrid();
  ~QtPropertyGrid() override;

  PropertyCategory& AddCategory(const std::string& caption) override;
  PropertyItem* FindItem(long id) override;
  void OnValueChanged(ValueChanged handler) override { on_value_changed_ = std::move(handler); }

  QTreeWidget* Tree() const { return tree_; }
  // The operator chose entry `index` of `item`.
  void Chosen(QtPropertyItem& item, int index);
  QtPropertyItem& AddItem(QTreeWidgetItem* category, const std::string& caption,
                          const Variant& value);
  QtPropertyItem* ItemCaptioned(const std::string& category, const std::string& caption) const;

 private:
  QTreeWidget* tree_;
  std::vector<std::unique_ptr<QtPropertyCategory>> categories_;
  std::vector<std::unique_ptr<QtPropertyItem>> items_;
  ValueChanged on_value_changed_;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_H_
