#ifndef PELLORA_PLATFORM_CONSOLE_PROPERTY_GRID_SCRIPT_H_
#define PELLORA_PLATFORM_CONSOLE_PROPERTY_GRID_SCRIPT_H_

#include <optional>
#include <string>
#include <vector>

#include "platform/console/property_grid.h"
#include "platform/console/script_refusal.h"

namespace pellora::console {

// What the operator does in a property-grid window when the console is not interactive: the
// choices, in order, each "COLUMN=CODE" (in the item that edits COLUMN, the entry of the host
// record whose code is CODE), then one button: "confirmar", "cancelar" or "sair" (empty: sair).
struct PropertyGridScript {
  std::vector<std::string> choices;
  std::string button;
  // Told why, when the script could not be followed (and nothing was saved).
  ScriptRefusal refused = {};
};

// Makes the choices as the operator would, each one raising the grid's change. Stops at the
// first choice that names no item or a code that is not among the item's entries, and answers
// the reason; nullopt when every choice was made.
std::optional<std::string> MakeScriptedChoices(const std::vector<std::string>& choices,
                                               ConsolePropertyGrid& grid);

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_PROPERTY_GRID_SCRIPT_H_
