#ifndef PELLORA_PLATFORM_QT_QT_CONNECTION_SETTINGS_H_
#define PELLORA_PLATFORM_QT_QT_CONNECTION_SETTINGS_H_

#include "platform/common/ini_connection_settings.h"

namespace pellora::qt {

// Configure shows the four values in a window; "Gravar" writes them to the configuration file
// (after a confirmation when asked for), "Cancelar" leaves the file as it was.
class QtConnectionSettings : public common::IniConnectionSettings {
 public:
  void Configure() override;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_CONNECTION_SETTINGS_H_
