#ifndef PELLORA_TERMINAL_TERMINAL_REGISTRY_H_
#define PELLORA_TERMINAL_TERMINAL_REGISTRY_H_

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "interfaces/data_access.h"

namespace pellora::terminal {

// Why `id` cannot name a terminal (1 to 20 letters, digits, "-", "_" or "."), or nothing.
std::optional<std::string> TerminalIdFault(const std::string& id);

struct RegisteredTerminal {
  std::string id;
  std::string created;       // "yyyyMMddHHmmss"
  std::string locked_until;  // "yyyyMMddHHmmss" while locked after wrong PINs, else ""
};

// The terminals allowed to send readings to the company (table oru_Terminais).
class TerminalRegistry {
 public:
  explicit TerminalRegistry(DataAccess& data_access) : data_access_(data_access) {}

  // Registers a terminal with a new PIN and answers the PIN, which the company does not keep;
  // nothing when the terminal is registered already.
  std::optional<std::string> Add(const std::string& id, std::time_t now);
  // Every terminal, by id.
  std::vector<RegisteredTerminal> List(std::time_t now);
  // Removes a terminal and ends its sessions; false when it was not registered.
  bool Remove(const std::string& id);

 private:
  DataAccess& data_access_;
};

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_TERMINAL_REGISTRY_H_
