#include "platform/common/ini_connection_settings.h"

#include "runtime/error.h"
#include "runtime/private_profile.h"

namespace pellora::common {
namespace {

constexpr char kSection[] = "Ligação";
constexpr long kValueSize = 255;

}  // namespace

const std::array<IniConnectionSettings::Setting, IniConnectionSettings::kCount>&
IniConnectionSettings::Settings() {
  static const std::array<Setting, kCount> kSettings = {{{"Servidor", "Servidor"},
                                                         {"BaseDados", "Base de dados"},
                                                         {"User", "Utilizador"},
                                                         {"PassWord", "Palavra-passe"}}};
  return kSettings;
}

IniConnectionSettings::Values IniConnectionSettings::Current() const {
  Values values;
  for (size_t i = 0; i < kCount; ++i) {
    values[i] = GetPrivateProfileString(kSection, Settings()[i].key, "", kValueSize, file_).text;
  }
  return values;
}

void IniConnectionSettings::Store(const Values& values) const {
  for (size_t i = 0; i < kCount; ++i) {
    if (WritePrivateProfileString(kSection, Settings()[i].key, values[i], file_) == 0) {
      throw Error(kInvalidProcedureCall, kTitle,
                  "Não foi possível gravar a configuração em " + file_ + ".");
    }
  }
}

}  // namespace pellora::common
