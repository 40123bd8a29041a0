#include "solucao/tipo_documento.h"

#include "dal/dal_comandos.h"
#include "runtime/convert.h"
#include "runtime/text.h"
#include "solucao/solucao_erros.h"

namespace pellora {
namespace {

// By the sign of the type's effect on the current account (SINALCT 0, 1, 2).
int16_t PorSinal(int32_t sinalct, int16_t nulo, int16_t positivo, int16_t negativo) {
  switch (sinalct) {
    case 0:
      return nulo;
    case 1:
      return positivo;
    case 2:
      return negativo;
    default:
      return -1;
  }
}

}  // namespace

int16_t pTipoDocumento(std::string& tipo_documento) {
  return RaiseAgainAs("pTipoDocumento", [&]() -> int16_t {
    const RecordsetPtr tipo =
        HlpDb_TiposDocumentosGet("CODIGO='" + QuoteEscape(tipo_documento) + "' ", "");
    if (tipo->Eof()) return -1;
    const int32_t areag = CLng(tipo->Fields("AREAG").Value());
    const int32_t tpoper = CLng(tipo->Fields("TPOPER").Value());
    const int32_t entidade = CLng(tipo->Fields("ENTIDADE").Value());
    const int32_t sinalct = CLng(tipo->Fields("SINALCT").Value());
    if (areag != 3 && areag != 4) return -1;
    if (tpoper == 2 && entidade == 2) return PorSinal(sinalct, 2, 3, 2);
    if (tpoper == 1 && entidade == 1) return PorSinal(sinalct, 1, 1, 0);
    return -1;
  });
}

}  // namespace pellora
