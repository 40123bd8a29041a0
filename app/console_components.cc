#include "app/console_components.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "app/typed_number.h"
#include "platform/common/native_path.h"
#include "platform/console/console_connection_settings.h"
#include "platform/console/console_dialogs.h"
#include "platform/console/console_selection_dialog.h"
#include "platform/console/console_shell.h"
#include "platform/console/form_surface.h"
#include "platform/console/html_orders_report.h"
#include "platform/console/property_grid_surface.h"
#include "platform/postgres/pg_address.h"

namespace pellora::app {
namespace {

// "ARTIGO=VALOR" with the price as the operator types it in the grid.
std::string PriceEntry(const std::string& entry) {
  const size_t equals = entry.rfind('=');
  if (equals == std::string::npos || equals == 0) {
    throw UsageError("--price deve ter a forma ARTIGO=VALOR: " + entry + ".");
  }
  const std::string article = entry.substr(0, equals);
  return article + "=" + AsWorkstationTypes(entry.substr(equals + 1), "O preço de " + article);
}

}  // namespace

OperatorScript OperatorScript::FromCommandLine(const CommandLine& line) {
  OperatorScript script;
  if (line.Has("pick-all")) {
    script.chooser = console::ParseSelectionScript("todos");
  } else if (std::vector<std::string> picks = line.GetAll("pick"); !picks.empty()) {
    script.chooser = console::SelectionScript{false, std::move(picks)};
  }
  script.transfer = {line.Get("warehouse").value_or(""), line.Get("doc-type").value_or(""),
                     line.Get("series").value_or(""), line.Get("sector").value_or(""),
                     line.Has("cancel")};
  for (const std::string& entry : line.GetAll("price")) script.prices.push_back(PriceEntry(entry));
  script.parameters = {line.GetAll("set"), line.Get("button").value_or("")};
  for (const char* option : {"pick", "pick-all", "warehouse", "doc-type", "series", "sector",
                             "cancel", "price", "set", "button"}) {
    script.given = script.given || line.Has(option);
  }
  return script;
}

ConsoleComponents::ConsoleComponents(const CommandContext& context, OperatorScript script)
    : HostComponents(context),
      script_(std::move(script)),
      terminal_interactive_(console::ConsoleTerminal::Standard().interactive && !script_.given) {
  script_.parameters.refused = Refusal();
}

console::ScriptRefusal ConsoleComponents::Refusal() {
  return [this](const std::string&) { script_refused_ = true; };
}

DataAccessPtr ConsoleComponents::CreateDataAccess() {
  data_accesses_.push_back(
      std::make_shared<EngineDataAccess>(context().BusyTimeout(), context().SilenceLimit()));
  return context().Traced(data_accesses_.back());
}

bool ConsoleComponents::WorkUndone() const {
  return std::any_of(data_accesses_.begin(), data_accesses_.end(),
                     [](const auto& data_access) { return data_access->WorkUndone(); });
}

console::ConsoleTerminal ConsoleComponents::Terminal() const {
  return console::ConsoleTerminal{std::cin, context().out, terminal_interactive_};
}

SelectionDialogPtr ConsoleComponents::CreateSelectionDialog() {
  return std::make_shared<console::ConsoleSelectionDialog>(
      Terminal(), terminal_interactive_ ? std::nullopt : script_.chooser, Refusal());
}

ConnectionSettingsPtr ConsoleComponents::CreateConnectionSettings() {
  return std::make_shared<console::ConsoleConnectionSettings>(Terminal());
}

OrdersReportPtr ConsoleComponents::CreateOrdersReport() {
  // A company on a database server has no folder of its own: its pages go beside its
  // configuration.
  return std::make_shared<console::HtmlOrdersReport>(
      context().out, [this] { return context().NewDataAccess(); },
      [dir = std::filesystem::absolute(context().Dir())](const std::string& server) {
        return postgres::SelectsPostgres(server) ? dir : common::NativePath(server);
      });
}

ShellPtr ConsoleComponents::CreateShell() {
  return std::make_shared<console::ConsoleShell>(context().out,
                                                 console::ConsoleShell::DesktopOpenerAvailable());
}

FormSurfacePtr ConsoleComponents::CreateFormSurface() {
  console::FormScripts scripts;
  if (!terminal_interactive_) {
    scripts = {console::TransferHeaderScript(script_.transfer),
               console::UnitCostScript(script_.prices)};
  }
  return std::make_unique<console::ConsoleFormSurface>(Terminal(), std::move(scripts), Refusal());
}

PropertyGridSurfacePtr ConsoleComponents::CreatePropertyGridSurface() {
  return std::make_unique<console::ConsolePropertyGridSurface>(Terminal(), script_.parameters);
}

std::shared_ptr<Dialogs> ConsoleComponents::CreateDialogs() {
  return std::make_shared<console::ConsoleDialogs>(Terminal(), std::deque<std::string>{},
                                                   [this] { warning_shown_ = true; });
}

}  // namespace pellora::app
