#ifndef PELLORA_SOLUCAO_TIPO_DOCUMENTO_H_
#define PELLORA_SOLUCAO_TIPO_DOCUMENTO_H_

#include <cstdint>
#include <string>

namespace pellora {

// Whether the view imports may fill a document of this host type, and how: 0 and 1 purchase
// entries and exits, 2 and 3 sales entries and exits, -1 not allowed (also for a type that does
// not exist). Errors are raised again with this procedure's name as source.
int16_t pTipoDocumento(std::string& tipo_documento);

}  // namespace pellora

#endif  // PELLORA_SOLUCAO_TIPO_DOCUMENTO_H_
