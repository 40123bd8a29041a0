// The lines a document may hold: the host numbers them as 16-bit integers. An import that would
// need more is refused before any document is begun, in words that say what to do.

#include <string>

#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/field_values.h"

namespace pellora {
namespace {

constexpr long kMaximoLinhas = 32767;

std::string LimiteMensagem(const std::string& linhas) {
  return "O documento teria " + linhas + " linhas; o máximo é " + std::to_string(kMaximoLinhas) +
         ". Importe menos conjuntos de cada vez.";
}

}  // namespace

// At least as many lines as the builders will add: one per reading that does not join the line
// before (same article and warehouse, with a serial number or lot, and for documents the same
// line number), and for documents a description and a separator line per original document.
// The builders' own test (ContinuaLinhaAnterior) keeps line numbers in 16 bits: the count must
// go on past them to say how many lines there would be.
long MovImportacao::LinhasPrevistas() {
  const bool acerto = cab_tipo_importacao_ == TI_AcertoInventario;
  Recordset& leitura = *leituras_;
  long linhas = 0;
  std::string artigo_anterior = "-1", armazem_anterior = "-1", original_anterior;
  int32_t linha_anterior = -1;
  for (MoveToFirstRow(leitura); !leitura.Eof(); leitura.MoveNext()) {
    if (leitura["QUANTIDADE"].Value().IsNull() || leitura["ARTIGO"].Value().IsNull()) {
      artigo_anterior = armazem_anterior = "-1";
      continue;
    }
    const std::string artigo = FieldText(leitura, "ARTIGO");
    const std::string armazem = FieldText(leitura, "ARMAZEM");
    const int32_t numero_linha = CLng(leitura["NumeroLinha"].Value());
    double quantidade = FieldNumber(leitura, "QUANTIDADE");
    if (acerto) quantidade += FieldNumber(leitura, "EntMaisSaidas");
    if (quantidade != 0 || artigo.empty()) {
      if (!acerto) {
        const std::string original =
            FieldText(leitura, "DocOrigTipo") + "-" + FieldText(leitura, "DocOrigSerie") + "-" +
            FieldText(leitura, "DocOrigNumero") + "-" + FieldText(leitura, "DocOrigAno");
        if (original != original_anterior) {
          if (linhas > 1) ++linhas;
          if (!FieldText(leitura, "DocOrigSerie").empty()) ++linhas;
          original_anterior = original;
        }
      }
      const bool junta = artigo == artigo_anterior && armazem == armazem_anterior &&
                         (!FieldText(leitura, "NUMEROSERIE").empty() ||
                          !FieldText(leitura, "NOSSOLOTE").empty()) &&
                         (acerto || numero_linha == linha_anterior);
      if (!junta) ++linhas;
    }
    artigo_anterior = artigo;
    armazem_anterior = armazem;
    linha_anterior = numero_linha;
  }
  return linhas;
}

Result MovImportacao::LinhasLimiteVerificar() {
  if (cab_tipo_importacao_ == TI_AnularPicagens || !HasRows(leituras_)) return Result();
  // The count gives a reading at most a line of its own and two of its original document's:
  // small imports need no pass over their readings.
  if (leituras_->RecordCount() * 3 <= kMaximoLinhas) return Result();
  const long linhas = LinhasPrevistas();
  if (linhas <= kMaximoLinhas) return Result();
  return Result::Failure(LimiteMensagem(std::to_string(linhas)));
}

void MovImportacao::LinhaNumeroVerificar(const LateBoundObject& linha) {
  if (CLng(linha.Get("NumeroDaLinha")) > kMaximoLinhas) {
    throw Error(kOverflow, "MovImportacao",
                LimiteMensagem("mais de " + std::to_string(kMaximoLinhas)));
  }
}

}  // namespace pellora
