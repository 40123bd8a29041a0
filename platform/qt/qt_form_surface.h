#ifndef PELLORA_PLATFORM_QT_QT_FORM_SURFACE_H_
#define PELLORA_PLATFORM_QT_QT_FORM_SURFACE_H_

#include <memory>
#include <string>
#include <vector>

#include "interfaces/controls.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_data_grid.h"

class QWidget;

namespace pellora::qt {

class FormWindow;

// One of the add-in's forms in a window (see FormWindow).
class QtFormSurface : public FormSurface {
 public:
  QtFormSurface();
  ~QtFormSurface() override;

  void SetCaption(const std::string& caption) override;
  ComboBox& AddComboBox(const std::string& label) override;
  PushButton& AddPushButton(const std::string& caption) override;
  DataGrid& AddDataGrid() override;
  void ShowModal() override;
  void Hide() override;
  void SetKeyPreview(KeyPress handler) override;
  void MoveFocusNext() override;

  // Places a wide control of the window's own, such as a property grid.
  void AddWide(QWidget* widget);
  FormWindow& Window() { return *window_; }

 private:
  std::unique_ptr<FormWindow> window_;
  std::vector<std::unique_ptr<QtComboBox>> combos_;
  std::vector<std::unique_ptr<QtPushButton>> buttons_;
  std::vector<std::unique_ptr<QtDataGrid>> grids_;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_FORM_SURFACE_H_
