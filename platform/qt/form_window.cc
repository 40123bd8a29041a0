#include "platform/qt/form_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/qt/screen_size.h"

namespace pellora::qt {
namespace {

constexpr int kEnter = 13;

// The key as VB's KeyPress gives it: its character code, 13 for Enter; 0 for keys without one.
int KeyAscii(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return kEnter;
  const QString text = event.text();
  return text.size() == 1 && text.at(0).unicode() < 128 ? text.at(0).unicode() : 0;
}

QString WithoutMnemonic(QString caption) {
  return caption.remove('&');
}

// The grid `widget` is, or whose cell it edits; nullptr when none.
QTableView* GridOf(QWidget* widget) {
  for (; widget != nullptr && !widget->isWindow(); widget = widget->parentWidget()) {
    if (auto* grid = qobject_cast<QTableView*>(widget)) return grid;
  }
  return nullptr;
}

}  // namespace

FormWindow::FormWindow()
    : fields_(new QGroupBox(this)),
      field_layout_(new QFormLayout(fields_)),
      wide_layout_(new QVBoxLayout),
      button_layout_(new QHBoxLayout) {
  fields_->hide();
  button_layout_->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fields_);
  layout->addLayout(wide_layout_, 1);
  layout->addLayout(button_layout_);
  // Before any control's own filters, such as a cell editor's.
  QCoreApplication::instance()->installEventFilter(this);
}

QComboBox* FormWindow::AddCombo(const QString& label) {
  auto* combo = new QComboBox(fields_);
  combo->setMinimumWidth(TextSize(*combo, 45, 1).width());
  field_layout_->addRow(new QLabel(label, fields_), combo);
  fields_->show();
  return combo;
}

QPushButton* FormWindow::AddButton(const QString& caption) {
  auto* button = new QPushButton(caption, this);
  button->setAutoDefault(false);  // Enter belongs to the key preview, not to a button
  button_layout_->addWidget(button);
  return button;
}

void FormWindow::AddWide(QWidget* widget) {
  widget->setParent(this);
  wide_layout_->addWidget(widget);
}

void FormWindow::MoveFocusNext() {
  if (QTableView* grid = GridOf(QApplication::focusWidget())) {
    grid->setFocus();  // closes the cell being typed, keeping what was typed
    const QModelIndex current = grid->currentIndex();
    const QModelIndex below = current.sibling(current.row() + 1, current.column());
    if (below.isValid()) {
      grid->setCurrentIndex(below);
      return;
    }
  }
  focusNextChild();
}

QComboBox* FormWindow::Combo(const QString& label) const {
  for (int row = 0; row < field_layout_->rowCount(); ++row) {
    auto* text =
        qobject_cast<QLabel*>(field_layout_->itemAt(row, QFormLayout::LabelRole)->widget());
    if (text != nullptr && text->text() == label) {
      return qobject_cast<QComboBox*>(field_layout_->itemAt(row, QFormLayout::FieldRole)->widget());
    }
  }
  return nullptr;
}

QPushButton* FormWindow::Button(const QString& caption) const {
  for (QPushButton* button : findChildren<QPushButton*>()) {
    if (WithoutMnemonic(button->text()) == WithoutMnemonic(caption)) return button;
  }
  return nullptr;
}

QTableView* FormWindow::Grid() const {
  return findChild<QTableView*>();
}

// Keys go to the focused control first; the preview takes them there, once each.
bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && key_preview_ && watched == QApplication::focusWidget() &&
      static_cast<QWidget*>(watched)->window() == this) {
    int key = KeyAscii(*static_cast<QKeyEvent*>(event));
    if (key != 0) {
      key_preview_(key);
      if (key == 0) return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace pellora::qt
