#ifndef PELLORA_PLATFORM_CONSOLE_SELECTION_GRID_H_
#define PELLORA_PLATFORM_CONSOLE_SELECTION_GRID_H_

#include <cstdint>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "interfaces/selection_dialog.h"
#include "runtime/recordset.h"

namespace pellora::console {

class SelectionGridColumn : public SelectionColumn {
 public:
  explicit SelectionGridColumn(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }
  void SetHidden(bool hidden) override { hidden_ = hidden; }
  bool Hidden() const override { return hidden_; }
  void SetWidth(float width) override { width_ = width; }
  float Width() const override { return width_; }

 private:
  std::string name_;
  bool hidden_ = false;
  float width_ = 1000;
};

// The rows of a selection dialog as text; the first column is each row's Id.
struct SelectionGrid {
  std::vector<SelectionGridColumn> columns;
  std::vector<std::vector<std::string>> rows;

  const std::string& IdOf(size_t row) const { return rows[row].front(); }
};

// Every row of the recordset, from its first.
SelectionGrid ReadSelectionGrid(Recordset& recordset);

// A numbered list of the rows under a header of the visible columns' names and a rule as wide as
// the dialog; widths are in the grid's unit, 100 to a character.
void PrintSelectionGrid(const SelectionGrid& grid, int32_t dialog_width, std::ostream& out);

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_SELECTION_GRID_H_
