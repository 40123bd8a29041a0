#ifndef PELLORA_APP_CONSOLE_COMPONENTS_H_
#define PELLORA_APP_CONSOLE_COMPONENTS_H_

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_context.h"
#include "app/engine_data_access.h"
#include "app/host_components.h"
#include "platform/console/console_terminal.h"
#include "platform/console/form_script.h"
#include "platform/console/property_grid_script.h"
#include "platform/console/selection_choice.h"

namespace pellora::app {

// What the operator's answers are when the pellora command plays the host: on a terminal,
// without scripted options, the operator answers; otherwise the options decide.
struct OperatorScript {
  std::optional<console::SelectionScript> chooser;  // --pick ID... / --pick-all
  console::TransferHeaderChoice transfer;           // --warehouse, --doc-type, --series, ...
  std::vector<std::string> prices;                  // --price ARTIGO=VALOR
  console::PropertyGridScript parameters;           // --set COLUMN=CODE, --button
  bool given = false;                               // any of the above on the command line

  static OperatorScript FromCommandLine(const CommandLine& line);
};

// The add-in's dialogs on the terminal or scripted from the command line.
class ConsoleComponents : public HostComponents {
 public:
  ConsoleComponents(const CommandContext& context, OperatorScript script);

  DataAccessPtr CreateDataAccess() override;
  SelectionDialogPtr CreateSelectionDialog() override;
  ConnectionSettingsPtr CreateConnectionSettings() override;
  OrdersReportPtr CreateOrdersReport() override;
  ShellPtr CreateShell() override;
  FormSurfacePtr CreateFormSurface() override;
  PropertyGridSurfacePtr CreatePropertyGridSurface() override;
  std::shared_ptr<Dialogs> CreateDialogs() override;

  // The operator's script named something a dialog does not offer: the command was wrong.
  bool ScriptRefused() const { return script_refused_; }
  // A box with the exclamation or critical icon was shown: something was refused or failed.
  bool WarningShown() const { return warning_shown_; }
  // Work on the company was rolled back: an import (shown with the information icon whatever
  // its outcome) or another task failed.
  bool WorkUndone() const;

 private:
  // The terminal the dialogs use: interactive only when nothing was scripted.
  console::ConsoleTerminal Terminal() const;
  console::ScriptRefusal Refusal();

  OperatorScript script_;
  bool terminal_interactive_;
  bool script_refused_ = false;
  bool warning_shown_ = false;
  std::vector<std::shared_ptr<EngineDataAccess>> data_accesses_;  // those the add-in made
};

}  // namespace pellora::app

#endif  // PELLORA_APP_CONSOLE_COMPONENTS_H_
