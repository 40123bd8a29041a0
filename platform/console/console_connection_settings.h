#ifndef PELLORA_PLATFORM_CONSOLE_CONSOLE_CONNECTION_SETTINGS_H_
#define PELLORA_PLATFORM_CONSOLE_CONSOLE_CONNECTION_SETTINGS_H_

#include <string>

#include "interfaces/connection_settings.h"
#include "platform/console/console_terminal.h"

namespace pellora::console {

// Connection settings kept in the section "Ligação" (keys Servidor, BaseDados, User, PassWord)
// of the configuration file; every value is read from the file when asked for. Configure asks
// the operator for the four values on a terminal (an empty answer keeps the value) and writes
// them to the file; when not interactive it does nothing.
class ConsoleConnectionSettings : public ConnectionSettings {
 public:
  explicit ConsoleConnectionSettings(ConsoleTerminal terminal);

  void SetConfigurationFile(const std::string& path) override;
  std::string Server() const override;
  std::string Database() const override;
  std::string User() const override;
  std::string Password() const override;
  void SetConfirmSave(bool confirm) override;
  void Configure() override;

 private:
  std::string Read(const std::string& key) const;

  ConsoleTerminal terminal_;
  std::string file_;
  bool confirm_save_ = true;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_CONSOLE_CONNECTION_SETTINGS_H_
