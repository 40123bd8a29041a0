#include "runtime/error.h"

#include <utility>

namespace pellora {

namespace {

// The messages a Portuguese workstation shows for these numbers.
const char* StandardDescription(long number) {
  switch (number) {
    case kInvalidProcedureCall:
      return "Chamada de procedimento ou argumento inválido";
    case kOverflow:
      return "Capacidade excedida";
    case kSubscriptOutOfRange:
      return "Índice fora do intervalo";
    case kDivisionByZero:
      return "Divisão por zero";
    case kTypeMismatch:
      return "Tipos incompatíveis";
    case kObjectNotSet:
      return "Variável de objecto ou variável de bloco With não definida";
    case kInvalidUseOfNull:
      return "Utilização inválida de Null";
    case kMemberNotFound:
      return "O objecto não suporta esta propriedade ou método";
    case kAdoInvalidArgument:
      return "Os argumentos são do tipo errado, estão fora do intervalo aceitável ou estão em "
             "conflito uns com os outros.";
    case kAdoNoCurrentRecord:
      return "O BOF ou o EOF é True, ou o registo actual foi eliminado. A operação pedida "
             "requer um registo actual.";
    case kAdoIllegalOperation:
      return "A operação pedida não é permitida neste contexto.";
    case kAdoItemNotFound:
      return "Não foi possível encontrar o item na colecção correspondente ao nome ou ordinal "
             "pedido.";
    case kAdoDataConversion:
      return "A aplicação está a utilizar um valor do tipo errado para a operação actual.";
    case kAdoObjectClosed:
      return "A operação não é permitida quando o objecto está fechado.";
    case kAdoObjectOpen:
      return "A operação não é permitida quando o objecto está aberto.";
    default:
      return "Erro definido pela aplicação ou pelo objecto";
  }
}

}  // namespace

Error::Error(long number, std::string source, std::string description)
    : number_(number), source_(std::move(source)), description_(std::move(description)) {}

Error Error::Conflict(std::string source, std::string description) {
  Error error(kDatabaseError, std::move(source), std::move(description));
  error.conflict_ = true;
  return error;
}

Error Error::Reraised(std::string source, std::string description) const {
  Error error = *this;
  error.source_ = std::move(source);
  error.description_ = std::move(description);
  return error;
}

void RaiseRuntimeError(long number, const std::string& source) {
  throw Error(number, source, StandardDescription(number));
}

}  // namespace pellora
