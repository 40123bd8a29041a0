#ifndef PELLORA_APP_DEMO_CONFIG_H_
#define PELLORA_APP_DEMO_CONFIG_H_

#include <string>

namespace pellora::app {

// Text of the configuration file PICKING.<company> of a demo company whose database lies in
// `data_folder`: connection, picking API login and the add-in's switches.
std::string DemoConfigText(const std::string& data_folder, const std::string& company);

}  // namespace pellora::app

#endif  // PELLORA_APP_DEMO_CONFIG_H_
