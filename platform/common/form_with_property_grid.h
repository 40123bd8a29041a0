#ifndef PELLORA_PLATFORM_COMMON_FORM_WITH_PROPERTY_GRID_H_
#define PELLORA_PLATFORM_COMMON_FORM_WITH_PROPERTY_GRID_H_

#include <string>
#include <utility>

#include "interfaces/property_grid.h"

namespace pellora::common {

// A property grid window made of a toolkit's form window, `Form`, and its grid, `Grid`: the form
// takes the other controls; how the window is shown and hidden is the subclass's.
template <typename Form, typename Grid>
class FormWithPropertyGrid : public PropertyGridSurface {
 public:
  void SetCaption(const std::string& caption) override { form_.SetCaption(caption); }
  ComboBox& AddComboBox(const std::string& label) override { return form_.AddComboBox(label); }
  PushButton& AddPushButton(const std::string& caption) override {
    return form_.AddPushButton(caption);
  }
  DataGrid& AddDataGrid() override { return form_.AddDataGrid(); }
  PropertyGrid& AddPropertyGrid() override { return grid_; }
  void SetKeyPreview(KeyPress handler) override { form_.SetKeyPreview(std::move(handler)); }
  void MoveFocusNext() override { form_.MoveFocusNext(); }

 protected:
  template <typename... FormArguments>
  explicit FormWithPropertyGrid(FormArguments&&... arguments)
      : form_(std::forward<FormArguments>(arguments)...) {}

  Form form_;
  Grid grid_;
};

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_FORM_WITH_PROPERTY_GRID_H_
