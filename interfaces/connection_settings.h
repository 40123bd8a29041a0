#ifndef PELLORA_INTERFACES_CONNECTION_SETTINGS_H_
#define PELLORA_INTERFACES_CONNECTION_SETTINGS_H_

#include <memory>
#include <string>

namespace pellora {

// The maker's connection settings object: the company database's server, database and login,
// kept in the section "Ligação" of the configuration file.
class ConnectionSettings {
 public:
  virtual ~ConnectionSettings() = default;
  virtual void SetConfigurationFile(const std::string& path) = 0;
  virtual std::string Server() const = 0;
  virtual std::string Database() const = 0;
  virtual std::string User() const = 0;
  virtual std::string Password() const = 0;
  // True (the default): Configure asks before writing the values it was given.
  virtual void SetConfirmSave(bool confirm) = 0;
  // Lets the operator enter the four values and stores them in the configuration file.
  virtual void Configure() = 0;
};

using ConnectionSettingsPtr = std::shared_ptr<ConnectionSettings>;

}  // namespace pellora

#endif  // PELLORA_INTERFACES_CONNECTION_SETTINGS_H_
