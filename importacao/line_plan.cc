#include "importacao/line_plan.h"

#include <algorithm>
#include <cmath>

#include "dal/dal_comandos.h"
#include "runtime/convert.h"
#include "runtime/field_values.h"

namespace pellora {

bool LinhaAnterior::Continua(Recordset& leitura) const {
  if (!lembrada_ || FieldText(leitura, "ARTIGO") != artigo_ ||
      FieldText(leitura, "ARMAZEM") != armazem_) {
    return false;
  }
  if (FieldText(leitura, "NUMEROSERIE").empty() && FieldText(leitura, "NOSSOLOTE").empty()) {
    return false;
  }
  return CLng(leitura["NumeroLinha"].Value()) == linha_;
}

void LinhaAnterior::Lembrar(Recordset& leitura, int32_t linha) {
  lembrada_ = true;
  artigo_ = FieldText(leitura, "ARTIGO");
  armazem_ = FieldText(leitura, "ARMAZEM");
  linha_ = linha;
}

ChaveDoOriginal ChaveDoOriginal::DaLeitura(Recordset& leitura) {
  return {FieldText(leitura, "DocOrigTipo"), FieldText(leitura, "DocOrigSerie"),
          CLng(FieldNumber(leitura, "DocOrigNumero")), CInt(FieldNumber(leitura, "DocOrigAno"))};
}

std::string ChaveDoOriginal::Texto() const {
  return tipo + "-" + serie + "-" + std::to_string(numero) + "-" + std::to_string(ano);
}

Original OriginalCarregar(const ChaveDoOriginal& chave) {
  if (!chave.Completa()) return {};
  return {HlpDb_DocGcLin(chave.tipo, chave.numero, chave.serie, chave.ano),
          HlpDb_DocGcCab(chave.tipo, chave.numero, chave.serie, chave.ano)};
}

double QuantidadeTomada(double quantidade, double pendente) {
  return pendente > 0 ? std::min(quantidade, pendente) : quantidade;
}

double QuantidadeDeAcerto(Recordset& leitura, double factor) {
  const double movimentos =
      FieldText(leitura, "NUMEROSERIE").empty() ? FieldNumber(leitura, "EntMaisSaidas") : 0;
  return std::fabs(FieldNumber(leitura, "QUANTIDADE") * factor + movimentos);
}

}  // namespace pellora
