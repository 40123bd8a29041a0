#ifndef PELLORA_FORMS_FORM_ERRORS_H_
#define PELLORA_FORMS_FORM_ERRORS_H_

#include <string>
#include <string_view>

#include "interfaces/dialogs.h"
#include "runtime/error.h"

namespace pellora {

// The error layers of the forms. A private procedure raises a trapped error again with its own
// name as source and the previous source, CR LF and the previous description as description, so
// nested failures carry the chain of names; only the outermost handler (Editar, a button) shows
// the error, and nothing passes beyond it.

[[noreturn]] void RaiseFromProcedure(const Error& error, std::string_view procedure);

template <typename Body>
auto ProcedureTrap(std::string_view procedure, Body&& body) -> decltype(body()) {
  try {
    return body();
  } catch (const Error& error) {
    RaiseFromProcedure(error, procedure);
  }
}

// "Erro " + number + " - " + description, with the exclamation icon.
void ShowFormError(Dialogs& dialogs, const Error& error, const std::string& title);

template <typename Body>
void TrapAndShow(Dialogs& dialogs, const std::string& title, Body&& body) {
  try {
    body();
  } catch (const Error& error) {
    ShowFormError(dialogs, error, title);
  }
}

}  // namespace pellora

#endif  // PELLORA_FORMS_FORM_ERRORS_H_
