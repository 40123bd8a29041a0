#include "forms/frm_configuracao.h"
#include "solucao/solucao.h"

namespace pellora {

// Menu operation 2000: the parameters editor, modal until the operator leaves it.
void Solucao::pParametros() {
  FrmConfiguracao form(factory_.CreatePropertyGridSurface(), *dialogs_);
  form.Editar();
  form.Unload();
}

}  // namespace pellora
