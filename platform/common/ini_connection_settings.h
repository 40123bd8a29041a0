#ifndef PELLORA_PLATFORM_COMMON_INI_CONNECTION_SETTINGS_H_
#define PELLORA_PLATFORM_COMMON_INI_CONNECTION_SETTINGS_H_

#include <array>
#include <string>

#include "interfaces/connection_settings.h"
#include "platform/common/company_connection.h"

namespace pellora::common {

// Connection settings kept in the section "Ligação" (keys Servidor, BaseDados, User, PassWord)
// of the configuration file; every value is read from the file when asked for, as every command
// reads it (see ReadCompanyConnection): a relative Servidor is a folder beside the file. How the
// operator enters them in Configure is the subclass's.
class IniConnectionSettings : public ConnectionSettings {
 public:
  struct Setting {
    const char* key;
    const char* label;  // what the operator is shown
  };
  static constexpr size_t kCount = 4;
  using Values = std::array<std::string, kCount>;
  // In the order of Values.
  static const std::array<Setting, kCount>& Settings();
  static constexpr char kTitle[] = "Configuração da Ligação";

  void SetConfigurationFile(const std::string& path) override { file_ = path; }
  std::string Server() const override { return Connection().server; }
  std::string Database() const override { return Connection().database; }
  std::string User() const override { return Connection().user; }
  std::string Password() const override { return Connection().password; }
  void SetConfirmSave(bool confirm) override { confirm_save_ = confirm; }

 protected:
  const std::string& File() const { return file_; }
  bool ConfirmSave() const { return confirm_save_; }
  CompanyConnection Connection() const { return ReadCompanyConnection(file_); }
  // The four values as the file holds them, for the operator to change.
  Values Current() const;
  // Writes the four values to the file; raises an error when it cannot.
  void Store(const Values& values) const;

 private:
  std::string file_;
  bool confirm_save_ = true;
};

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_INI_CONNECTION_SETTINGS_H_
