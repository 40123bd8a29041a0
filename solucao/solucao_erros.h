#ifndef PELLORA_SOLUCAO_SOLUCAO_ERROS_H_
#define PELLORA_SOLUCAO_SOLUCAO_ERROS_H_

#include <exception>
#include <string>
#include <string_view>

#include "interfaces/dialogs.h"
#include "runtime/error.h"

namespace pellora {

// The two error layers of Solucao. A private procedure raises a trapped error again with the
// same number and description and its own name as source; a public member traps everything,
// shows "Erro " + the description and returns normally.

template <typename Body>
auto RaiseAgainAs(std::string_view procedure, Body&& body) -> decltype(body()) {
  try {
    return body();
  } catch (const Error& error) {
    throw error.Reraised(std::string(procedure), error.description());
  }
}

// "Erro " + description, exclamation icon, `title`.
void ErroMostrar(Dialogs& dialogs, const std::string& description, const std::string& title);

template <typename Body>
void TrapAndShowErro(Dialogs& dialogs, const std::string& title, Body&& body) {
  try {
    body();
  } catch (const Error& error) {
    ErroMostrar(dialogs, error.description(), title);
  } catch (const std::exception& failure) {
    ErroMostrar(dialogs, failure.what(), title);
  }
}

}  // namespace pellora

#endif  // PELLORA_SOLUCAO_SOLUCAO_ERROS_H_
