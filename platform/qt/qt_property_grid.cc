#include "platform/qt/qt_property_grid.h"

#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QTreeWidget>

#include "platform/qt/gui_thread.h"
#include "platform/qt/qt_text.h"
#include "runtime/convert.h"

namespace pellora::qt {

QtPropertyItem::QtPropertyItem(QtPropertyGrid& grid, QTreeWidgetItem* row,
                               const std::string& caption, const Variant& value)
    : ListPropertyItem(caption, value), row_(row), combo_(new QComboBox) {
  row_->setText(0, ToQ(caption));
  grid.Tree()->setItemWidget(row_, 1, combo_);
  QObject::connect(combo_, &QComboBox::activated, combo_,
                   [this, &grid](int index) { grid.Chosen(*this, index); });
}

void QtPropertyItem::SetDescription(const std::string& description) {
  OnGui([&] {
    ListPropertyItem::SetDescription(description);
    row_->setToolTip(0, ToQ(description));
    row_->setStatusTip(0, ToQ(description));
  });
}

void QtPropertyItem::ClearEntries() {
  OnGui([this] {
    ListPropertyItem::ClearEntries();
    combo_->clear();
  });
}

void QtPropertyItem::AddEntry(const PropertyEntry& entry) {
  OnGui([&] {
    ListPropertyItem::AddEntry(entry);
    combo_->addItem(ToQ(entry.text));
    ShowValue();
  });
}

void QtPropertyItem::SetValue(const Variant& value) {
  OnGui([&] {
    ListPropertyItem::SetValue(value);
    ShowValue();
  });
}

void QtPropertyItem::ShowValue() {
  const PropertyEntry* chosen = Chosen();
  combo_->setCurrentIndex(chosen == nullptr ? -1 : static_cast<int>(chosen - Entries().data()));
}

void QtPropertyCategory::SetDescription(const std::string& description) {
  OnGui([&] {
    row_->setToolTip(0, ToQ(description));
    row_->setStatusTip(0, ToQ(description));
  });
}

PropertyItem& QtPropertyCategory::AddChildItem(PropertyItemKind, const std::string& caption,
                                               const Variant& value) {
  return *OnGuiValue([&] { return &grid_.AddItem(row_, caption, value); });
}

QtPropertyGrid::QtPropertyGrid() {
  OnGui([this] {
    tree_ = new QTreeWidget;
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({"Propriedade", "Valor"});
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree_->setMinimumSize(720, 520);
  });
}

// The tree belongs to the window it is placed in.
QtPropertyGrid::~QtPropertyGrid() = default;

PropertyCategory& QtPropertyGrid::AddCategory(const std::string& caption) {
  return *OnGuiValue([&] {
    auto* row = new QTreeWidgetItem(tree_, {ToQ(caption)});
    QFont bold = row->font(0);
    bold.setBold(true);
    row->setFont(0, bold);
    row->setFirstColumnSpanned(true);
    row->setExpanded(true);
    return categories_.emplace_back(std::make_unique<QtPropertyCategory>(*this, row)).get();
  });
}

QtPropertyItem& QtPropertyGrid::AddItem(QTreeWidgetItem* category, const std::string& caption,
                                        const Variant& value) {
  auto* row = new QTreeWidgetItem(category);
  category->setExpanded(true);
  return *items_.emplace_back(std::make_unique<QtPropertyItem>(*this, row, caption, value));
}

PropertyItem* QtPropertyGrid::FindItem(long id) {
  for (const auto& item : items_) {
    if (item->Id() == id) return item.get();
  }
  return nullptr;
}

void QtPropertyGrid::Chosen(QtPropertyItem& item, int index) {
  if (index < 0 || static_cast<size_t>(index) >= item.Entries().size()) return;
  item.ListPropertyItem::SetValue(Variant(item.Entries()[static_cast<size_t>(index)].data));
  if (on_value_changed_) on_value_changed_(item);
}

QtPropertyItem* QtPropertyGrid::ItemCaptioned(const std::string& category,
                                              const std::string& caption) const {
  for (const auto& item : items_) {
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
      QTreeWidgetItem* top = tree_->topLevelItem(i);
      if (top->text(0) != ToQ(category)) continue;
      for (int child = 0; child < top->childCount(); ++child) {
        if (top->child(child)->text(0) == ToQ(caption) &&
            tree_->itemWidget(top->child(child), 1) == item->Combo()) {
          return item.get();
        }
      }
    }
  }
  return nullptr;
}

}  // namespace pellora::qt
