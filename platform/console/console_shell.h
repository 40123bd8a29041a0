#ifndef PELLORA_PLATFORM_CONSOLE_CONSOLE_SHELL_H_
#define PELLORA_PLATFORM_CONSOLE_CONSOLE_SHELL_H_

#include <iosfwd>
#include <string>

#include "interfaces/shell.h"

namespace pellora::console {

// Opens documents with the desktop's opener (xdg-open) when there is one; otherwise names the
// document on the output stream as "Documento: <path>" for the operator to open.
class ConsoleShell : public Shell {
 public:
  ConsoleShell(std::ostream& out, bool use_desktop_opener);

  long Open(const std::string& file) override;

  // True when a desktop session is running (DISPLAY or WAYLAND_DISPLAY) and xdg-open is on the
  // PATH.
  static bool DesktopOpenerAvailable();

 private:
  std::ostream& out_;
  bool use_desktop_opener_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_CONSOLE_SHELL_H_
