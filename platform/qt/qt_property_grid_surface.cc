#include "platform/qt/qt_property_grid_surface.h"

#include <QTreeWidget>

namespace pellora::qt {

QtPropertyGridSurface::QtPropertyGridSurface() {
  form_.AddWide(grid_.Tree());
}

}  // namespace pellora::qt
