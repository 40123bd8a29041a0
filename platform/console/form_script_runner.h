#ifndef PELLORA_PLATFORM_CONSOLE_FORM_SCRIPT_RUNNER_H_
#define PELLORA_PLATFORM_CONSOLE_FORM_SCRIPT_RUNNER_H_

#include <optional>
#include <string>

#include "platform/console/form_script.h"
#include "platform/console/form_surface.h"

namespace pellora::console {

// Performs the script's actions on the form, as the operator would, until the form is hidden.
// Stops at the first action that names nothing on the form or a value the form refuses, and
// answers why; nullopt when every action was taken.
std::optional<std::string> RunFormScript(const FormScript& script, ConsoleFormSurface& form);

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_FORM_SCRIPT_RUNNER_H_
