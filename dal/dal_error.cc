#include "dal/dal_error.h"

#include <string>

namespace pellora {

void RaiseAsComandos(const Error& error, std::string_view name) {
  throw error.Reraised("Comandos::" + std::string(name), error.description());
}

}  // namespace pellora
