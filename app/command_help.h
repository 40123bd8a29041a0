#ifndef PELLORA_APP_COMMAND_HELP_H_
#define PELLORA_APP_COMMAND_HELP_H_

#include <string>
#include <string_view>

#include "app/command_context.h"

namespace pellora::app {

// One command of `pellora`: how it is typed, what it does and what runs it.
struct CommandEntry {
  const char* name;
  const char* synopsis;                       // the words after "pellora", one line per form
  const char* description;                    // what it does
  int (*run)(const CommandContext& context);  // answers the exit status
};

// The command called `name`; null when there is none.
const CommandEntry* FindCommand(std::string_view name);

// The usage of the whole program: every command's synopsis, the program's options, the numbers
// and the exit statuses.
std::string ProgramUsage();
// The usage of one command: its synopsis, what it does, the program's options.
std::string CommandUsage(const CommandEntry& command);

}  // namespace pellora::app

#endif  // PELLORA_APP_COMMAND_HELP_H_
