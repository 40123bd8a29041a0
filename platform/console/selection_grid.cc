#include "platform/console/selection_grid.h"

#include <algorithm>
#include <ostream>

#include "runtime/text.h"

namespace pellora::console {
namespace {

constexpr float kWidthUnitsPerCharacter = 100;
constexpr long kNumberColumnWidth = 4;

// `text` padded with blanks to `width` characters.
std::string Cell(const std::string& text, long width) {
  return text + std::string(std::max(0L, width - static_cast<long>(Len(text))), ' ');
}

long Characters(float width) {
  return std::max(1L, static_cast<long>(width / kWidthUnitsPerCharacter));
}

// Each visible column's width in characters: its own, widened to its longest text so that no
// value is cut (a reading moment keeps its minutes). Hidden columns get 0.
std::vector<long> ShownWidths(const SelectionGrid& grid, const std::vector<std::string>& names) {
  std::vector<long> widths;
  for (size_t i = 0; i < grid.columns.size(); ++i) {
    long width = 0;
    if (!grid.columns[i].Hidden()) {
      width = std::max(Characters(grid.columns[i].Width()), static_cast<long>(Len(names[i])));
      for (const auto& row : grid.rows) width = std::max(width, static_cast<long>(Len(row[i])));
    }
    widths.push_back(width);
  }
  return widths;
}

void PrintLine(const std::vector<long>& widths, const std::string& number,
               const std::vector<std::string>& cells, std::ostream& out) {
  std::string line = Cell(number, kNumberColumnWidth);
  for (size_t i = 0; i < widths.size(); ++i) {
    if (widths[i] > 0) line += " " + Cell(cells[i], widths[i]);
  }
  out << RTrim(line) << "\n";
}

}  // namespace

void PrintSelectionGrid(const SelectionGrid& grid, int32_t dialog_width, std::ostream& out) {
  std::vector<std::string> names;
  for (const SelectionGridColumn& column : grid.columns) names.push_back(column.Name());
  const std::vector<long> widths = ShownWidths(grid, names);
  PrintLine(widths, "N.º", names, out);
  out << std::string(Characters(static_cast<float>(dialog_width)), '-') << "\n";
  for (size_t row = 0; row < grid.rows.size(); ++row) {
    PrintLine(widths, std::to_string(row + 1), grid.rows[row], out);
  }
}

}  // namespace pellora::console
