#ifndef PELLORA_PLATFORM_CONSOLE_CONSOLE_SELECTION_DIALOG_H_
#define PELLORA_PLATFORM_CONSOLE_CONSOLE_SELECTION_DIALOG_H_

#include <optional>
#include <string>
#include <vector>

#include "platform/common/selection_dialog_base.h"
#include "platform/console/console_terminal.h"
#include "platform/console/script_refusal.h"
#include "platform/console/selection_choice.h"
#include "platform/console/selection_grid.h"

namespace pellora::console {

// The selection dialog on the console. On a terminal Show prints the visible columns as a
// numbered list and the operator types the row numbers ("1,3", "todos"; an empty line cancels).
// When not interactive the script picks the rows, and without a script Show cancels; a script
// naming a row that is not listed is told to `refused`, and Show cancels. With multiple
// selection off only the first row chosen counts.
class ConsoleSelectionDialog : public common::SelectionDialogBase {
 public:
  ConsoleSelectionDialog(ConsoleTerminal terminal, std::optional<SelectionScript> script,
                         ScriptRefusal refused = {});

  std::string Show() override;

 private:
  std::vector<size_t> AskRows() const;

  ConsoleTerminal terminal_;
  std::optional<SelectionScript> script_;
  ScriptRefusal refused_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_CONSOLE_SELECTION_DIALOG_H_
