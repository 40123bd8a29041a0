#ifndef PELLORA_APP_COMMANDS_H_
#define PELLORA_APP_COMMANDS_H_

#include "app/command_context.h"

namespace pellora::app {

// Each command answers the program's exit status.
int SqlCommand(const CommandContext& context);
int DemoCommand(const CommandContext& context);
int SetsCommand(const CommandContext& context);
int ImportCommand(const CommandContext& context);
int OpCommand(const CommandContext& context);
int ViewCommand(const CommandContext& context);
int ValidateCommand(const CommandContext& context);
int ArchiveCommand(const CommandContext& context);
int TerminalCommand(const CommandContext& context);
int ServeCommand(const CommandContext& context);

}  // namespace pellora::app

#endif  // PELLORA_APP_COMMANDS_H_
