#ifndef PELLORA_APP_DEMO_CONFIG_H_
#define PELLORA_APP_DEMO_CONFIG_H_

#include <string>

namespace pellora::app {

// Text of the configuration file PICKING.<company> of a demo company whose database `server`
// names (a database server's address, or the folder of the company's files, relative to the
// configuration file's folder): connection, picking API login and the add-in's switches.
std::string DemoConfigText(const std::string& server, const std::string& company);

}  // namespace pellora::app

#endif  // PELLORA_APP_DEMO_CONFIG_H_
