#ifndef PELLORA_PLATFORM_CONSOLE_SELECTION_CHOICE_H_
#define PELLORA_PLATFORM_CONSOLE_SELECTION_CHOICE_H_

#include <cstddef>
#include <string>
#include <vector>

#include "platform/console/selection_grid.h"

namespace pellora::console {

// What a scripted run picks in a selection dialog: every row, or the rows of some Ids.
struct SelectionScript {
  bool all = false;
  std::vector<std::string> ids;
};

// "todos" (or "all") picks every row; any other text lists Ids separated by commas.
SelectionScript ParseSelectionScript(const std::string& text);

// Rows chosen, or what is wrong with a choice that cannot be taken (and then no row).
struct RowChoice {
  std::vector<size_t> rows;  // 0-based, in the order given
  std::string error;
};

// The rows a script picks, in its order (an Id listed twice is picked twice); an Id that no row
// carries is an error naming it.
RowChoice ScriptedRows(const SelectionScript& script, const SelectionGrid& grid);

// The operator's answer on a terminal: row numbers from 1 separated by commas or blanks, or
// "todos".
RowChoice ParseRowChoice(const std::string& answer, size_t row_count);

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_SELECTION_CHOICE_H_
