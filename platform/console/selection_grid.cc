#include "platform/console/selection_grid.h"

#include <algorithm>
#include <ostream>

#include "runtime/text.h"

namespace pellora::console {
namespace {

constexpr float kWidthUnitsPerCharacter = 100;
constexpr long kNumberColumnWidth = 4;

// `text` cut or padded with blanks to `width` characters.
std::string Cell(const std::string& text, long width) {
  const std::string cut = Left(text, width);
  return cut + std::string(width - static_cast<long>(Len(cut)), ' ');
}

long Characters(float width) {
  return std::max(1L, static_cast<long>(width / kWidthUnitsPerCharacter));
}

void PrintLine(const SelectionGrid& grid, const std::string& number,
               const std::vector<std::string>& cells, std::ostream& out) {
  std::string line = Cell(number, kNumberColumnWidth);
  for (size_t i = 0; i < grid.columns.size(); ++i) {
    if (!grid.columns[i].Hidden())
      line += " " + Cell(cells[i], Characters(grid.columns[i].Width()));
  }
  out << RTrim(line) << "\n";
}

}  // namespace

void PrintSelectionGrid(const SelectionGrid& grid, int32_t dialog_width, std::ostream& out) {
  std::vector<std::string> names;
  for (const SelectionGridColumn& column : grid.columns) names.push_back(column.Name());
  PrintLine(grid, "N.º", names, out);
  out << std::string(Characters(static_cast<float>(dialog_width)), '-') << "\n";
  for (size_t row = 0; row < grid.rows.size(); ++row) {
    PrintLine(grid, std::to_string(row + 1), grid.rows[row], out);
  }
}

}  // namespace pellora::console
