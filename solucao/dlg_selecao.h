#ifndef PELLORA_SOLUCAO_DLG_SELECAO_H_
#define PELLORA_SOLUCAO_DLG_SELECAO_H_

#include <cstdint>
#include <string>
#include <vector>

#include "interfaces/component_factory.h"

namespace pellora {

// The reading-set chooser: lists the pending reading sets of one movement code (restricted to a
// customer or supplier when `terceiro` is not empty, and to the third-party kind `tipo`) in a
// new selection dialog, and gives the chosen sets back as terminals and syncs from element 1.
// `cancelado` becomes True when nothing was chosen; it keeps its value when an error is raised
// (with this procedure's name as source).
void pImporMovimentosDlgSelecao(ComponentFactory& factory, std::string terceiro,
                                std::string movimento, int16_t tipo,
                                std::vector<std::string>& terminais,
                                std::vector<std::string>& conjuntos, bool& cancelado);

}  // namespace pellora

#endif  // PELLORA_SOLUCAO_DLG_SELECAO_H_
