// A new document line for a reading: the original document it comes from (separator and
// description lines when the original changes), its prices, and the quantity it takes from the
// original document's line; and, for transfers, the original lines the document consumed.

#include <string>
#include <utility>

#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/field_values.h"
#include "runtime/format.h"
#include "runtime/text.h"

namespace pellora {
namespace {

void PrecosDefinir(LateBoundObject& linha, double preco) {
  linha.Set("PrecoUnitario", preco);
  linha.Set("PrecoUnitarioIntroduzido", preco);
}

}  // namespace

void MovImportacao::LinhaDeLeituraNova(LinhasEstado& estado) {
  OriginalMudar(estado);
  Recordset& leitura = *leituras_;
  const bool transferencia = cab_tipo_importacao_ == TI_TransferenciasArm;
  const double calculado = FieldNumber(leitura, "PrUnitCalculado");

  LateBoundPtr linha = api_->NovaLinha();
  linha->Set("TipoDeLinha", leitura["TpLinha"].Value());
  linha->Set("Artigo", FieldText(leitura, "ARTIGO"));
  linha->Set("Armazem", FieldText(leitura, "ARMAZEM"));
  documento_->SugereValoresLin(linha);
  linha->Set("Quantidade", estado.quantidade);
  linha->Set("QuantidadeOrigem", estado.quantidade);
  if ((doc_orig_lin_ || cab_tipo_importacao_ == TI_InventarioInicial) && calculado != 0) {
    PrecosDefinir(*linha, calculado);
  }
  linha->Set("Unidade", FieldText(leitura, "UNIDADE"));
  if (transferencia) PrecosDefinir(*linha, calculado);
  estado.factor_linha = FactorUnidade(FieldText(leitura, "ARTIGO"), FieldText(leitura, "UNIDADE"));
  linha->Set("Factor", estado.factor_linha);

  if (doc_orig_lin_) {
    QuantidadeDoOriginal(*linha, estado);
  } else {
    if (!transferencia && calculado != 0) PrecosDefinir(*linha, calculado);
    LeituraConsumir(estado.quantidade);
  }
  linha->Set("EcotaxaProcessada", true);
  estado.ultima_linha = LinhaAdicionar(linha);
}

// When the reading comes from another original document than the reading before, that
// document's lines and header are loaded, and the document gets an empty separator line (from
// its third line on) and a line describing the original.
void MovImportacao::OriginalMudar(LinhasEstado& estado) {
  const ChaveDoOriginal chave = ChaveDoOriginal::DaLeitura(*leituras_);
  if (chave == estado.original) return;
  if (SeparadorAntesDoOriginal(estado.ultima_linha)) LinhaDeTextoAdd("", estado);
  estado.original = chave;
  if (estado.ultima_linha > 0) LinhasConsumidasCopiar();

  Original original = OriginalCarregar(chave);
  doc_orig_lin_ = std::move(original.linhas);
  doc_orig_cab_ = std::move(original.cabecalho);
  if (doc_orig_lin_ && cab_tipo_importacao_ == TI_TransferenciasArm) {
    Recordset& originais = *doc_orig_lin_;
    for (MoveToFirstRow(originais); !originais.Eof(); originais.MoveNext()) {
      originais["QTDORIG"].SetValue(0.0);
      originais.Update();
    }
  }
  if (HasRows(doc_orig_cab_)) {
    LinhaDeTextoAdd(chave.Texto() + " em " + Format((*doc_orig_cab_)["DATA"].Value(), "dd-MM-yyyy"),
                    estado);
  }
}

void MovImportacao::LinhaDeTextoAdd(const std::string& descricao, LinhasEstado& estado) {
  LateBoundPtr linha = api_->NovaLinha();
  documento_->SugereValoresLin(linha);
  linha->Set("Artigo", std::string());
  linha->Set("Quantidade", 0.0);
  linha->Set("QuantidadeOrigem", 0.0);
  linha->Set("Descricao", descricao);
  estado.ultima_linha = LinhaAdicionar(linha);
}

// The line takes its reference, seller, description and prices from the original line of the
// reading's line number, and as much of the reading's quantity as that line still has. A line
// already used up (or a line without article) takes the whole quantity, so that every reading is
// placed in a bounded number of passes.
void MovImportacao::QuantidadeDoOriginal(LateBoundObject& linha, LinhasEstado& estado) {
  Recordset& leitura = *leituras_;
  Recordset& originais = *doc_orig_lin_;
  const bool transferencia = cab_tipo_importacao_ == TI_TransferenciasArm;
  const int32_t numero_linha = CLng(leitura["NumeroLinha"].Value());
  if (originais.RecordCount() > 0) originais.SetFilter("NUMLINHA=" + std::to_string(numero_linha));
  if (originais.Eof()) {
    originais.SetFilter("");
    // Sales and purchases must carry the original's prices: a line priced otherwise would
    // go unnoticed, so the import stops and says which line is missing.
    if (!transferencia) {
      throw Error(kAdoNoCurrentRecord, "MovImportacao::DocLinhasCriar",
                  "A linha " + std::to_string(numero_linha) + " do documento original " +
                      estado.original.Texto() + " não existe (leitura do artigo " +
                      FieldText(leitura, "ARTIGO") + ").");
    }
    LeituraConsumir(estado.quantidade);
    return;
  }

  const double pendente = FieldNumber(originais, "QUANT");
  const bool sem_artigo = FieldText(leitura, "ARTIGO").empty();
  if (pendente > 0 || sem_artigo) {
    if (!transferencia) {
      linha.Set("OrAno", leitura["DocOrigAno"].Value());
      linha.Set("OrDoc", leitura["DocOrigTipo"].Value());
      linha.Set("OrSerie", leitura["DocOrigSerie"].Value());
      linha.Set("OrNum", leitura["DocOrigNumero"].Value());
      linha.Set("LinhaOriginal", originais["NUMLINHA"].Value());
    }
    linha.Set("Vendedor", originais["VENDEDOR"].Value());
    linha.Set("Descricao", originais["DESCR"].Value());
    estado.quantidade = QuantidadeTomada(estado.quantidade, pendente);
    if (pendente > 0) originais["QUANT"].SetValue(pendente - estado.quantidade);
    if (transferencia) {
      originais["QTDORIG"].SetValue(FieldNumber(originais, "QTDORIG") + estado.quantidade);
    }
    originais.Update();
    linha.Set("Quantidade", estado.quantidade);
    linha.Set("QuantidadeOrigem", estado.quantidade);
  }
  LeituraConsumir(estado.quantidade);
  if (!transferencia) {
    PrecosDefinir(linha, CDbl(originais["PRUNIT"].Value()));
    linha.Set("TaxaDesconto", CDbl(originais["TXDESC"].Value()));
    linha.Set("Desconto", CDbl(originais["DESCONTO"].Value()));
  }
  originais.SetFilter("");
}

void MovImportacao::LinhasConsumidasCopiar() {
  if (cab_tipo_importacao_ != TI_TransferenciasArm || !doc_orig_lin_) return;
  if (!doc_orig_lin_consumidas_) RaiseRuntimeError(kObjectNotSet);
  Recordset& originais = *doc_orig_lin_;
  Recordset& consumidas = *doc_orig_lin_consumidas_;
  for (MoveToFirstRow(originais); !originais.Eof(); originais.MoveNext()) {
    consumidas.AddNew();
    for (size_t indice = 0; indice < originais.FieldCount(); ++indice) {
      Field campo = originais.Fields(indice);
      if (CompareTextNoCase(campo.Name(), "IDLINDOC") == 0) continue;
      consumidas[campo.Name()].SetValue(campo.Value());
    }
    consumidas.Update();
  }
}

}  // namespace pellora
