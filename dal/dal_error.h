#ifndef PELLORA_DAL_DAL_ERROR_H_
#define PELLORA_DAL_DAL_ERROR_H_

#include <memory>
#include <string_view>

#include "runtime/error.h"

namespace pellora {

// Raises `error` again with its number and description and the source "Comandos::" + name.
[[noreturn]] void RaiseAsComandos(const Error& error, std::string_view name);

// Runs one DalComandos operation under its error trap: any error it raises reaches the caller
// as the same number and description with the operation's own source.
template <typename Operation>
auto ComandosTrap(std::string_view name, Operation&& operation) -> decltype(operation()) {
  try {
    return operation();
  } catch (const Error& error) {
    RaiseAsComandos(error, name);
  }
}

// The object a reference points at; an empty reference raises 91, as a call through Nothing.
template <typename T>
T& ObjectOf(const std::shared_ptr<T>& reference) {
  if (!reference) RaiseRuntimeError(kObjectNotSet);
  return *reference;
}

}  // namespace pellora

#endif  // PELLORA_DAL_DAL_ERROR_H_
