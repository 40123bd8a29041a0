#include "solucao/solucao_erros.h"

namespace pellora {

void ErroMostrar(Dialogs& dialogs, const std::string& description, const std::string& title) {
  dialogs.MsgBox("Erro " + description, vbExclamation, title);
}

}  // namespace pellora
