#ifndef PELLORA_PLATFORM_CONSOLE_FORM_DATA_GRID_H_
#define PELLORA_PLATFORM_CONSOLE_FORM_DATA_GRID_H_

#include <string>

#include "platform/common/bound_grid.h"
#include "platform/console/form_field.h"

namespace pellora::console {

// A data grid printed as a table of its visible columns, each headed by its number and caption,
// one numbered line per row. The operator types a cell as "row column value". Fonts and
// repainting do not apply on a console: the table is printed when the form is shown.
class ConsoleDataGrid : public common::BoundGrid, public FormField {
 public:
  void SetStyleFont(const std::string&, const std::string&) override {}
  void SetRedraw(bool) override {}

  void Render(std::ostream& out, bool focused) override;
  void Accept(const std::string& line, std::ostream& out) override;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_FORM_DATA_GRID_H_
