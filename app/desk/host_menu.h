#ifndef PELLORA_APP_DESK_HOST_MENU_H_
#define PELLORA_APP_DESK_HOST_MENU_H_

#include <cstdint>
#include <vector>

namespace pellora::desk {

// One entry of the host's menu of the add-in's operations; "&" marks the letter that chooses it
// from the keyboard, unique in the menu.
struct HostOperation {
  int32_t code;
  const char* name;
};

// The menu operations the add-in answers through Operacoes, in code order.
const std::vector<HostOperation>& HostOperations();

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_HOST_MENU_H_
