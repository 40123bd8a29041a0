#include "platform/console/console_terminal.h"

#include <unistd.h>

#include <iostream>

namespace pellora::console {

std::optional<std::string> ConsoleTerminal::Ask(const std::string& prompt) const {
  out << prompt << std::flush;
  std::string line;
  if (!std::getline(in, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

ConsoleTerminal ConsoleTerminal::Standard() {
  return {std::cin, std::cout, isatty(STDIN_FILENO) != 0 && isatty(STDOUT_FILENO) != 0};
}

}  // namespace pellora::console
