#include "platform/qt/property_value_delegate.h"

#include <QComboBox>
#include <QWheelEvent>

#include "platform/qt/qt_property_grid.h"
#include "platform/qt/qt_text.h"

namespace pellora::qt {
namespace {

// A drop-down that leaves the wheel to the grid around it.
class ValueComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

}  // namespace

QWidget* PropertyValueDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex& index) const {
  QtPropertyItem* item = grid_.ItemAt(index);
  if (item == nullptr) return nullptr;
  auto* combo = new ValueComboBox(parent);
  combo->setFocusPolicy(Qt::StrongFocus);
  combo->setAccessibleName(ToQ(item->Caption()));
  combo->setAccessibleDescription(ToQ(item->Description()));
  for (const PropertyEntry& entry : item->Entries()) combo->addItem(ToQ(entry.text));
  connect(combo, &QComboBox::activated, this,
          [this, combo] { emit const_cast<PropertyValueDelegate*>(this)->commitData(combo); });
  return combo;
}

void PropertyValueDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (QtPropertyItem* item = grid_.ItemAt(index)) {
    static_cast<QComboBox*>(editor)->setCurrentIndex(item->ChosenIndex());
  }
}

void PropertyValueDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                         const QModelIndex& index) const {
  QtPropertyItem* item = grid_.ItemAt(index);
  const int chosen = static_cast<QComboBox*>(editor)->currentIndex();
  if (item != nullptr && chosen >= 0 && chosen != item->ChosenIndex()) grid_.Chosen(*item, chosen);
}

}  // namespace pellora::qt
