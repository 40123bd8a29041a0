#include "platform/console/console_connection_settings.h"

#include <array>
#include <ostream>
#include <utility>

#include "platform/console/console_dialogs.h"
#include "runtime/error.h"
#include "runtime/private_profile.h"

namespace pellora::console {
namespace {

constexpr char kSection[] = "Ligação";
constexpr long kValueSize = 255;
constexpr char kTitle[] = "Configuração da Ligação";

struct Setting {
  const char* key;
  const char* label;
};

constexpr std::array<Setting, 4> kSettings = {{{"Servidor", "Servidor"},
                                               {"BaseDados", "Base de dados"},
                                               {"User", "Utilizador"},
                                               {"PassWord", "Palavra-passe"}}};

}  // namespace

ConsoleConnectionSettings::ConsoleConnectionSettings(ConsoleTerminal terminal)
    : terminal_(terminal) {}

void ConsoleConnectionSettings::SetConfigurationFile(const std::string& path) {
  file_ = path;
}

std::string ConsoleConnectionSettings::Server() const {
  return Read("Servidor");
}

std::string ConsoleConnectionSettings::Database() const {
  return Read("BaseDados");
}

std::string ConsoleConnectionSettings::User() const {
  return Read("User");
}

std::string ConsoleConnectionSettings::Password() const {
  return Read("PassWord");
}

void ConsoleConnectionSettings::SetConfirmSave(bool confirm) {
  confirm_save_ = confirm;
}

void ConsoleConnectionSettings::Configure() {
  if (!terminal_.interactive) return;
  terminal_.out << "[" << kTitle << "] " << file_ << "\n";
  std::array<std::string, kSettings.size()> values;
  for (size_t i = 0; i < kSettings.size(); ++i) {
    const std::string current = Read(kSettings[i].key);
    const std::optional<std::string> answer =
        terminal_.Ask(std::string(kSettings[i].label) + " [" + current + "]: ");
    if (!answer) return;
    values[i] = answer->empty() ? current : *answer;
  }
  if (confirm_save_ && ConsoleDialogs(terminal_).MsgBox("Gravar a configuração?",
                                                        vbYesNo + vbQuestion, kTitle) != vbYes) {
    return;
  }
  for (size_t i = 0; i < kSettings.size(); ++i) {
    if (WritePrivateProfileString(kSection, kSettings[i].key, values[i], file_) == 0) {
      throw Error(kInvalidProcedureCall, kTitle,
                  "Não foi possível gravar a configuração em " + file_ + ".");
    }
  }
}

std::string ConsoleConnectionSettings::Read(const std::string& key) const {
  return GetPrivateProfileString(kSection, key, "", kValueSize, file_).text;
}

}  // namespace pellora::console
