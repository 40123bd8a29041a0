#include "platform/qt/qt_form_surface.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableView>

#include "platform/qt/form_window.h"
#include "platform/qt/gui_thread.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/screen_size.h"

namespace pellora::qt {

QtFormSurface::QtFormSurface() {
  OnGui([this] { window_ = std::make_unique<FormWindow>(); });
}

QtFormSurface::~QtFormSurface() {
  OnGui([this] {
    grids_.clear();
    window_.reset();
  });
}

void QtFormSurface::SetCaption(const std::string& caption) {
  OnGui([&] { window_->setWindowTitle(ToQ(caption)); });
}

ComboBox& QtFormSurface::AddComboBox(const std::string& label) {
  return *OnGuiValue([&] {
    return combos_.emplace_back(std::make_unique<QtComboBox>(window_->AddCombo(ToQ(label)))).get();
  });
}

PushButton& QtFormSurface::AddPushButton(const std::string& caption) {
  return *OnGuiValue([&] {
    return buttons_.emplace_back(std::make_unique<QtPushButton>(window_->AddButton(ToQ(caption))))
        .get();
  });
}

DataGrid& QtFormSurface::AddDataGrid() {
  return *OnGuiValue([&] {
    auto* view = new QTableView;
    window_->AddWide(view);
    window_->resize(TextSize(*window_, 130, 32));
    return grids_.emplace_back(std::make_unique<QtDataGrid>(view)).get();
  });
}

void QtFormSurface::ShowModal() {
  OnGui([this] { window_->exec(); });
}

void QtFormSurface::Hide() {
  OnGui([this] { window_->hide(); });
}

void QtFormSurface::SetKeyPreview(KeyPress handler) {
  OnGui([&] { window_->SetKeyPreview(std::move(handler)); });
}

void QtFormSurface::MoveFocusNext() {
  OnGui([this] { window_->MoveFocusNext(); });
}

void QtFormSurface::AddWide(QWidget* widget) {
  OnGui([&] { window_->AddWide(widget); });
}

}  // namespace pellora::qt
