#include "solucao/solucao.h"

namespace pellora {

// The parameters editor (FrmConfiguracao) is not wired yet: the operation does nothing.
void Solucao::pParametros() {}

}  // namespace pellora
