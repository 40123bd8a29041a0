#ifndef PELLORA_PLATFORM_CONSOLE_SELECTION_GRID_H_
#define PELLORA_PLATFORM_CONSOLE_SELECTION_GRID_H_

#include <cstdint>
#include <iosfwd>

#include "platform/common/selection_rows.h"

namespace pellora::console {

using common::ReadSelectionGrid;
using common::SelectionGrid;
using common::SelectionGridColumn;

// A numbered list of the rows under a header of the visible columns' names and a rule as wide as
// the dialog; widths are in the grid's unit, 100 to a character, and a column is widened to its
// longest text rather than cut.
void PrintSelectionGrid(const SelectionGrid& grid, int32_t dialog_width, std::ostream& out);

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_SELECTION_GRID_H_
