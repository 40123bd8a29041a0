#include "platform/qt/qt_controls.h"

#include <QComboBox>
#include <QPushButton>

#include "platform/qt/gui_thread.h"
#include "platform/qt/qt_text.h"

namespace pellora::qt {

void QtComboBox::Clear() {
  OnGui([this] { combo_->clear(); });
}

void QtComboBox::AddItem(const std::string& text) {
  OnGui([&] {
    combo_->addItem(ToQ(text));
    // An added item is not chosen: the list keeps no selection until one is set.
    if (combo_->count() == 1) combo_->setCurrentIndex(-1);
  });
}

long QtComboBox::ListCount() const {
  return OnGuiValue([this] { return static_cast<long>(combo_->count()); });
}

std::string QtComboBox::List(long index) const {
  return OnGuiValue([&] { return FromQ(combo_->itemText(static_cast<int>(index))); });
}

long QtComboBox::ListIndex() const {
  return OnGuiValue([this] { return static_cast<long>(combo_->currentIndex()); });
}

void QtComboBox::SetListIndex(long index) {
  OnGui([&] { combo_->setCurrentIndex(static_cast<int>(index)); });
}

std::string QtComboBox::Text() const {
  return OnGuiValue(
      [this] { return combo_->currentIndex() < 0 ? std::string() : FromQ(combo_->currentText()); });
}

void QtComboBox::OnClick(std::function<void()> handler) {
  OnGui([&] {
    const bool first = !on_click_;
    on_click_ = std::move(handler);
    if (first) {
      QObject::connect(combo_, &QComboBox::activated, combo_, [this] {
        if (on_click_) RunOffGui(on_click_);
      });
    }
  });
}

QtPushButton::QtPushButton(QPushButton* button) {
  QObject::connect(button, &QPushButton::clicked, button, [this] {
    if (on_click_) RunOffGui(on_click_);
  });
}

}  // namespace pellora::qt
