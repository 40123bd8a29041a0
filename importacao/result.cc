#include "importacao/result.h"

#include "runtime/error.h"

namespace pellora {

Result Result::FromError(const Error& error) {
  Result result;
  result.SetTipo(Erro);
  result.SetMensagem(error.description());
  result.SetErroNum(static_cast<int32_t>(error.number()));
  return result;
}

Result Result::Failure(const std::string& mensagem) {
  Result result;
  result.SetTipo(Erro);
  result.SetMensagem(mensagem);
  return result;
}

}  // namespace pellora
