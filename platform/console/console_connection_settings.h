#ifndef PELLORA_PLATFORM_CONSOLE_CONSOLE_CONNECTION_SETTINGS_H_
#define PELLORA_PLATFORM_CONSOLE_CONSOLE_CONNECTION_SETTINGS_H_

#include "platform/common/ini_connection_settings.h"
#include "platform/console/console_terminal.h"

namespace pellora::console {

// Configure asks the operator for the four values on a terminal (an empty answer keeps the
// value) and writes them to the file. When not interactive it changes nothing, and raises an
// error naming what the file lacks when it names no database (Servidor or BaseDados).
class ConsoleConnectionSettings : public common::IniConnectionSettings {
 public:
  explicit ConsoleConnectionSettings(ConsoleTerminal terminal) : terminal_(terminal) {}

  void Configure() override;

 private:
  ConsoleTerminal terminal_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_CONSOLE_CONNECTION_SETTINGS_H_
