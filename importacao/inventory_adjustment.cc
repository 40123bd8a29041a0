// The inventory adjustment: a breakage document for positive stock and a surplus document for
// negative stock, both dated the day before, then the final document with the counted
// quantities; their messages are collected into one.

#include <string>

#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/format.h"

namespace pellora {
namespace {

constexpr char kCrLf[] = "\r\n";

}  // namespace

Result MovImportacao::AcertoInventarioExecutar() {
  Result result = PrecosUnitariosValidar(true);

  const Date data = cab_data_;
  cab_data_ = CDate(Format(AddDays(data, -1), "dd-mm-yyyy"));

  if (result.IsSucesso()) {
    leituras_->SetFilter("StockArm > 0 ");
    if (leituras_->RecordCount() > 0) {
      CabDeParametros("QUEBRASEC", "QUEBRASER", "QUEBRADOC", tpManual);
      result = DocumentoCriarSequencia("");
    }
    leituras_->SetFilter("");
  }

  Result recolhidas;
  if (result.IsSucesso()) {
    recolhidas.SetMensagem(result.Mensagem());
    result.SetMensagem("");
    leituras_->SetFilter("StockArm < 0 ");
    if (leituras_->RecordCount() > 0) {
      CabDeParametros("SOBRASEC", "SOBRASER", "SOBRADOC", tpManual);
      result = DocumentoCriarSequencia("");
    }
    leituras_->SetFilter("");
  }

  cab_data_ = data;
  const std::string modo = "ACERTOFINAL";

  if (result.IsSucesso()) {
    if (!result.Mensagem().empty()) {
      recolhidas.SetMensagem(recolhidas.Mensagem() + kCrLf + result.Mensagem());
    }
    CabDeParametros("SOBRASEC", "SOBRASER", "SOBRADOC", tpManual);
    result = DocumentoCriarSequencia(modo);
  }
  if (result.IsSucesso()) {
    recolhidas.SetMensagem(recolhidas.Mensagem() + kCrLf + result.Mensagem());
    result.SetMensagem(recolhidas.Mensagem());
  }
  return result;
}

}  // namespace pellora
