#ifndef PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_SURFACE_H_
#define PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_SURFACE_H_

#include <string>

#include "platform/common/form_with_property_grid.h"
#include "platform/qt/qt_form_surface.h"
#include "platform/qt/qt_property_grid.h"

namespace pellora::qt {

// A form window with a property grid above its buttons.
class QtPropertyGridSurface : public common::FormWithPropertyGrid<QtFormSurface, QtPropertyGrid> {
 public:
  QtPropertyGridSurface();

  void ShowModal() override { form_.ShowModal(); }
  void Hide() override { form_.Hide(); }

  FormWindow& Window() { return form_.Window(); }
  QtPropertyGrid& Grid() { return grid_; }
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_PROPERTY_GRID_SURFACE_H_
