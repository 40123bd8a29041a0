#include "forms/form_errors.h"

namespace pellora {

void RaiseFromProcedure(const Error& error, std::string_view procedure) {
  throw error.Reraised(std::string(procedure), error.source() + "\r\n" + error.description());
}

void ShowFormError(Dialogs& dialogs, const Error& error, const std::string& title) {
  dialogs.MsgBox("Erro " + std::to_string(error.number()) + " - " + error.description(),
                 vbExclamation, title);
}

}  // namespace pellora
