// The lines builder: walks the readings and places each one on the document, as a new line or
// added to the line before, with its lot and serial-number entries. Inventory adjustments have
// loops of their own (adjustment_lines.cc); new lines against an original document are made in
// original_lines.cc.

#include <string>

#include "dal/dal_comandos.h"
#include "importacao/mov_importacao.h"
#include "importacao/step_trap.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/field_values.h"
#include "runtime/format.h"
#include "runtime/text.h"

namespace pellora {
namespace {

constexpr int kDigitosDeData = 8;  // DataValidade holds yyyymmdd

// An expiry date kept as yyyymmdd, written as the host wants it ("dd-mm-yyyy").
std::string ValidadeTexto(const std::string& yyyymmdd) {
  return Format(Mid(yyyymmdd, 1, 4) + "-" + Mid(yyyymmdd, 5, 2) + "-" + Mid(yyyymmdd, 7, 2),
                "dd-mm-yyyy");
}

}  // namespace

Result MovImportacao::DocLinhasCriar(std::string& modo) {
  return RunTrapped([&] {
    LinhasEstado estado;
    RecordsetPtr parametros = HlpDb_ParametrosGet();
    if (!leituras_) RaiseRuntimeError(kObjectNotSet);
    if (cab_tipo_importacao_ == TI_AcertoInventario) {
      AcertoLinhasCriar(modo, *parametros, estado);
    } else {
      LeiturasPercorrer(estado);
      LinhasConsumidasCopiar();
    }
    return estado.result;
  });
}

// A reading stays current while quantity is left on it: a line of the original document may take
// only part of it, and the next pass places the rest.
void MovImportacao::LeiturasPercorrer(LinhasEstado& estado) {
  Recordset& leitura = *leituras_;
  MoveToFirstRow(leitura);
  while (!leitura.Eof()) {
    ProgressoInformar("Linhas");
    if (leitura["QUANTIDADE"].Value().IsNull() || leitura["ARTIGO"].Value().IsNull()) {
      estado.anterior.Esquecer();
      leitura.MoveNext();
      continue;
    }
    // A reading with an article and no quantity makes nothing; one without article (a text line
    // of the original document) always makes its line.
    if (FieldNumber(leitura, "QUANTIDADE") != 0 || FieldText(leitura, "ARTIGO").empty()) {
      LeituraColocar(estado);
    }
    estado.anterior.Lembrar(leitura, CInt(leitura["NumeroLinha"].Value()));
    if (FieldNumber(leitura, "QUANTIDADE") <= 0) leitura.MoveNext();
  }
}

void MovImportacao::LeituraColocar(LinhasEstado& estado) {
  estado.quantidade = FieldNumber(*leituras_, "QUANTIDADE");
  if (estado.anterior.Continua(*leituras_)) {
    LinhaAnteriorSomar(estado);
  } else {
    LinhaDeLeituraNova(estado);
  }
  ItensDaLeitura(estado);
}

void MovImportacao::LinhaAnteriorSomar(LinhasEstado& estado) {
  LateBoundPtr linha = documento_->Linha(estado.ultima_linha);
  linha->Set("Quantidade", CDbl(linha->Get("Quantidade")) + estado.quantidade);
  linha->Set("QuantidadeOrigem", CDbl(linha->Get("QuantidadeOrigem")) + estado.quantidade);
  LeituraConsumir(estado.quantidade);
  if (cab_tipo_importacao_ != TI_TransferenciasArm || !doc_orig_lin_) return;
  // The original line that the last new line took its quantity from: the one of this reading's
  // line number, since a reading joins the line before only with the same line number.
  Recordset& originais = *doc_orig_lin_;
  originais.SetFilter("NUMLINHA=" + std::to_string(CLng((*leituras_)["NumeroLinha"].Value())));
  if (!originais.Eof()) {
    originais["QTDORIG"].SetValue(FieldNumber(originais, "QTDORIG") + estado.quantidade);
    originais.Update();
  }
  originais.SetFilter("");
}

void MovImportacao::ItensDaLeitura(LinhasEstado& estado) {
  Recordset& leitura = *leituras_;
  const std::string artigo = FieldText(leitura, "ARTIGO");
  const std::string armazem = FieldText(leitura, "ARMAZEM");
  const std::string validade = FieldText(leitura, "DataValidade");
  LoteRegistar(FieldText(leitura, "NOSSOLOTE"), FieldText(leitura, "VOSSOLOTE"), artigo, armazem,
               Len(validade) >= kDigitosDeData ? ValidadeTexto(validade) : "",
               estado.quantidade * estado.factor_linha, estado.ultima_linha);
  NumeroSerieAdd(FieldText(leitura, "NUMEROSERIE"), estado.ultima_linha, artigo, armazem);
}

void MovImportacao::LeituraConsumir(double quantidade) {
  Recordset& leitura = *leituras_;
  leitura["QUANTIDADE"].SetValue(FieldNumber(leitura, "QUANTIDADE") - quantidade);
  leitura.Update();
}

}  // namespace pellora
