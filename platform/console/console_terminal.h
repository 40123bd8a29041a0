#ifndef PELLORA_PLATFORM_CONSOLE_CONSOLE_TERMINAL_H_
#define PELLORA_PLATFORM_CONSOLE_CONSOLE_TERMINAL_H_

#include <iosfwd>
#include <optional>
#include <string>

namespace pellora::console {

// Where the console components talk to the operator. When not interactive nothing is read from
// `in`: answers come from scripts given to each component, or the component's default applies.
struct ConsoleTerminal {
  std::istream& in;
  std::ostream& out;
  bool interactive;

  // Prints the prompt and reads one line (without its line end); nullopt at the end of input.
  std::optional<std::string> Ask(const std::string& prompt) const;

  // The process's standard input and output, interactive when both are terminals.
  static ConsoleTerminal Standard();
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_CONSOLE_TERMINAL_H_
