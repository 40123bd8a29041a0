#ifndef PELLORA_PLATFORM_CONSOLE_FORM_SCRIPT_RUNNER_H_
#define PELLORA_PLATFORM_CONSOLE_FORM_SCRIPT_RUNNER_H_

#include "platform/console/form_script.h"
#include "platform/console/form_surface.h"

namespace pellora::console {

// Performs the script's actions on the form, as the operator would, until the form is hidden.
// An action that names nothing on the form, or a value the form refuses, is noted and skipped.
void RunFormScript(const FormScript& script, ConsoleFormSurface& form);

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_FORM_SCRIPT_RUNNER_H_
