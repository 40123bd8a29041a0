#include "platform/qt/qt_property_grid.h"

#include <QFont>
#include <QHeaderView>
#include <QTreeWidget>

#include "platform/qt/gui_thread.h"
#include "platform/qt/property_value_delegate.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/screen_size.h"

namespace pellora::qt {
namespace {

constexpr int kCaption = 0;
constexpr int kValue = 1;

// The tree edits a row's value wherever on the row the operator asks to.
class PropertyTree : public QTreeWidget {
 public:
  using QTreeWidget::edit;

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
    return QTreeWidget::edit(index.sibling(index.row(), kValue), trigger, event);
  }
};

void Describe(QTreeWidgetItem& row, const std::string& description) {
  row.setToolTip(kCaption, ToQ(description));
  row.setStatusTip(kCaption, ToQ(description));
}

}  // namespace

QtPropertyItem::QtPropertyItem(QTreeWidgetItem* row, const std::string& caption,
                               const Variant& value)
    : ListPropertyItem(caption, value), row_(row) {
  row_->setText(kCaption, ToQ(caption));
  row_->setData(kValue, Qt::AccessibleTextRole, ToQ(caption));
  row_->setFlags(row_->flags() | Qt::ItemIsEditable);
}

void QtPropertyItem::SetDescription(const std::string& description) {
  OnGui([&] {
    ListPropertyItem::SetDescription(description);
    Describe(*row_, description);
    row_->setData(kValue, Qt::AccessibleDescriptionRole, ToQ(description));
  });
}

void QtPropertyItem::ClearEntries() {
  OnGui([this] {
    ListPropertyItem::ClearEntries();
    ShowValue();
  });
}

void QtPropertyItem::AddEntry(const PropertyEntry& entry) {
  OnGui([&] {
    ListPropertyItem::AddEntry(entry);
    ShowValue();
  });
}

void QtPropertyItem::SetValue(const Variant& value) {
  OnGui([&] {
    ListPropertyItem::SetValue(value);
    ShowValue();
  });
}

void QtPropertyItem::Choose(size_t index) {
  ListPropertyItem::SetValue(Variant(Entries()[index].data));
  ShowValue();
}

int QtPropertyItem::ChosenIndex() const {
  const PropertyEntry* chosen = Chosen();
  return chosen == nullptr ? -1 : static_cast<int>(chosen - Entries().data());
}

void QtPropertyItem::ShowValue() {
  const PropertyEntry* chosen = Chosen();
  row_->setText(kValue, chosen == nullptr ? QString() : ToQ(chosen->text));
}

void QtPropertyCategory::SetDescription(const std::string& description) {
  OnGui([&] { Describe(*row_, description); });
}

PropertyItem& QtPropertyCategory::AddChildItem(PropertyItemKind, const std::string& caption,
                                               const Variant& value) {
  return *OnGuiValue([&] { return &grid_.AddItem(row_, caption, value); });
}

QtPropertyGrid::QtPropertyGrid() {
  OnGui([this] {
    tree_ = new PropertyTree;
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({"Propriedade", "Valor"});
    tree_->header()->setSectionResizeMode(kCaption, QHeaderView::ResizeToContents);
    tree_->setItemDelegateForColumn(kValue, new PropertyValueDelegate(*this, tree_));
    // Moving between rows opens nothing: a value is edited only when asked for, by a click on it
    // (below), F2 or typing.
    tree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    QObject::connect(tree_, &QTreeWidget::clicked, tree_, [this](const QModelIndex& index) {
      if (index.column() == kValue) tree_->edit(index);
    });
    tree_->setMinimumSize(TextSize(*tree_, 110, 30));
  });
}

// The tree belongs to the window it is placed in.
QtPropertyGrid::~QtPropertyGrid() = default;

PropertyCategory& QtPropertyGrid::AddCategory(const std::string& caption) {
  return *OnGuiValue([&] {
    auto* row = new QTreeWidgetItem(tree_, {ToQ(caption)});
    QFont bold = row->font(kCaption);
    bold.setBold(true);
    row->setFont(kCaption, bold);
    row->setFirstColumnSpanned(true);
    row->setExpanded(true);
    return categories_.emplace_back(std::make_unique<QtPropertyCategory>(*this, row)).get();
  });
}

QtPropertyItem& QtPropertyGrid::AddItem(QTreeWidgetItem* category, const std::string& caption,
                                        const Variant& value) {
  auto* row = new QTreeWidgetItem(category);
  category->setExpanded(true);
  rows_.push_back(row);
  return *items_.emplace_back(std::make_unique<QtPropertyItem>(row, caption, value));
}

PropertyItem* QtPropertyGrid::FindItem(long id) {
  for (const auto& item : items_) {
    if (item->Id() == id) return item.get();
  }
  return nullptr;
}

QtPropertyItem* QtPropertyGrid::ItemAt(const QModelIndex& index) const {
  const QTreeWidgetItem* row = tree_->itemFromIndex(index);
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i] == row) return items_[i].get();
  }
  return nullptr;
}

void QtPropertyGrid::Chosen(QtPropertyItem& item, int index) {
  if (index < 0 || static_cast<size_t>(index) >= item.Entries().size()) return;
  item.Choose(static_cast<size_t>(index));
  if (on_value_changed_) RunOffGui([&] { on_value_changed_(item); });
}

}  // namespace pellora::qt
