#ifndef PELLORA_PLATFORM_QT_PROPERTY_VALUE_DELEGATE_H_
#define PELLORA_PLATFORM_QT_PROPERTY_VALUE_DELEGATE_H_

#include <QStyledItemDelegate>

namespace pellora::qt {

class QtPropertyGrid;

// The one editor of a property grid's values: a drop-down of the item's entries, named after the
// item, which ignores the mouse wheel so that scrolling the grid never changes a value. Each
// entry the operator picks, from the list or with the arrows, is chosen at once.
class PropertyValueDelegate : public QStyledItemDelegate {
 public:
  PropertyValueDelegate(QtPropertyGrid& grid, QObject* parent)
      : QStyledItemDelegate(parent), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 private:
  QtPropertyGrid& grid_;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_PROPERTY_VALUE_DELEGATE_H_
