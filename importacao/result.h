#ifndef PELLORA_IMPORTACAO_RESULT_H_
#define PELLORA_IMPORTACAO_RESULT_H_

#include <cstdint>
#include <string>

namespace pellora {

class Error;

enum EnumResult : int32_t { Sucesso = 0, Erro = 1, Aviso = 2 };

// The outcome of an import and of each of its steps.
class Result {
 public:
  void SetMensagem(const std::string& mensagem) { mensagem_ = mensagem; }
  const std::string& Mensagem() const { return mensagem_; }
  void SetTipo(int32_t tipo) { tipo_ = tipo; }
  int32_t Tipo() const { return tipo_; }
  void SetErroNum(int32_t erro_num) { erro_num_ = erro_num; }
  int32_t ErroNum() const { return erro_num_; }

  bool IsSucesso() const { return tipo_ == Sucesso; }

  // The Result a step returns when it traps `error`: Erro, its description and number.
  static Result FromError(const Error& error);
  // An Erro with a message of the step's own (ErroNum 0).
  static Result Failure(const std::string& mensagem);

 private:
  std::string mensagem_;
  int32_t tipo_ = Sucesso;
  int32_t erro_num_ = 0;
};

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_RESULT_H_
