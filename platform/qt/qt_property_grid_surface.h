#ifndef PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_SURFACE_H_
#define PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_SURFACE_H_

#include <string>

#include "interfaces/property_grid.h"
#include "platform/qt/qt_form_surface.h"
#include "platform/qt/qt_property_grid.h"

namespace pellora::qt {

// A form window with a property grid above its buttons.
class QtPropertyGridSurface : public PropertyGridSurface {
 public:
  QtPropertyGridSurface();

  void SetCaption(const std::string& caption) override { form_.SetCaption(caption); }
  ComboBox& AddComboBox(const std::string& label) override { return form_.AddComboBox(label); }
  PushButton& AddPushButton(const std::string& caption) override {
    return form_.AddPushButton(caption);
  }
  DataGrid& AddDataGrid() override { return form_.AddDataGrid(); }
  PropertyGrid& AddPropertyGrid() override { return grid_; }
  void ShowModal() override { form_.ShowModal(); }
  void Hide() override { form_.Hide(); }
  void SetKeyPreview(KeyPress handler) override { form_.SetKeyPreview(std::move(handler)); }
  void MoveFocusNext() override { form_.MoveFocusNext(); }

  FormWindow& Window() { return form_.Window(); }
  QtPropertyGrid& Grid() { return grid_; }

 private:
  QtFormSurface form_;
  QtPropertyGrid grid_;  // its tree is a child of the form's window
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_SURFACE_H_
