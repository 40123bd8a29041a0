#ifndef PELLORA_PLATFORM_CONSOLE_CONSOLE_SELECTION_DIALOG_H_
#define PELLORA_PLATFORM_CONSOLE_CONSOLE_SELECTION_DIALOG_H_

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "interfaces/selection_dialog.h"
#include "platform/console/console_terminal.h"
#include "platform/console/selection_choice.h"
#include "platform/console/selection_grid.h"

namespace pellora::console {

// The selection dialog on the console. On a terminal Show prints the visible columns as a
// numbered list and the operator types the row numbers ("1,3", "todos"; an empty line cancels).
// When not interactive the script picks the rows, and without a script Show cancels. With
// multiple selection off only the first row chosen counts.
class ConsoleSelectionDialog : public SelectionDialog {
 public:
  ConsoleSelectionDialog(ConsoleTerminal terminal, std::optional<SelectionScript> script);

  void SetConnection(std::shared_ptr<Connection> connection) override;
  void SetTitle(const std::string& title) override;
  void SetSql(const std::string& sql) override;
  void SetWidth(int32_t width) override;
  void Load() override;
  SelectionColumn& Column(int position) override;
  void SetMultiSelect(bool multi_select) override;
  bool MultiSelect() const override;
  std::string Show() override;
  std::vector<std::string> SelectedIds() const override;

 private:
  std::vector<size_t> AskRows() const;

  ConsoleTerminal terminal_;
  std::optional<SelectionScript> script_;
  std::shared_ptr<Connection> connection_;
  std::string title_;
  std::string sql_;
  int32_t width_ = 10000;
  bool multi_select_ = false;
  SelectionGrid grid_;
  std::vector<std::string> selected_ids_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_CONSOLE_SELECTION_DIALOG_H_
