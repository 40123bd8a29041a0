// Checks on the readings' unit prices, and their preparation: the original document they refer
// to, the customer or supplier of the header, and each reading's computed unit price.

#include <string>

#include "dal/dal_comandos.h"
#include "importacao/mov_importacao.h"
#include "importacao/step_trap.h"
#include "importacao/unit_factor.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/field_values.h"

namespace pellora {
namespace {

constexpr int kLinhasDeFalta = 10;

// A price times the unit factor; a Null price stays Null.
Variant Vezes(const Variant& preco, double factor) {
  return preco.IsNull() ? Variant::Null() : Variant(CDbl(preco) * factor);
}

// The stock value per unit of total stock, times the factor; 0 unless `stock_testado` and the
// stock value are known and positive.
Variant PrecoMedio(Recordset& leitura, const char* stock_testado, double factor) {
  const Variant valor = leitura["ValExistencia"].Value();
  const Variant stock = leitura[stock_testado].Value();
  if (valor.IsNull() || stock.IsNull() || CDbl(stock) <= 0 || CDbl(valor) <= 0) return 0.0;
  const double total = CDbl(leitura["StockTot"].Value());
  if (total == 0) RaiseRuntimeError(kDivisionByZero);
  return CDbl(valor) / total * factor;
}

std::string ChaveTexto(const std::string& tipo, int32_t numero, const std::string& serie,
                       int16_t ano) {
  return "Tipo " + tipo + " Numero " + std::to_string(numero) + " Série " + serie + " Ano " +
         std::to_string(ano);
}

}  // namespace

Result MovImportacao::PrecosUnitariosValidar(bool so_negativos) {
  return RunTrapped([&] {
    Result result;
    if (!HasRows(leituras_)) return result;
    Recordset& leituras = *leituras_;
    leituras.SetFilter(so_negativos ? "PrecoUnitario < 0 " : "PrecoUnitario <= 0 ");
    if (leituras.RecordCount() > 0) {
      result.SetTipo(Erro);
      std::string mensagem;
      for (int contador = 1; !leituras.Eof() && contador <= kLinhasDeFalta; ++contador) {
        mensagem += "Artigo: " + FieldText(leituras, "Artigo") +
                    " na linha: " + FieldText(leituras, "NumeroLinha") +
                    " não tem Preço Unitário (ou está inválido).\r\n";
        leituras.MoveNext();
      }
      if (leituras.RecordCount() > kLinhasDeFalta) {
        mensagem += "\r\n\r\nExistem mais " +
                    std::to_string(leituras.RecordCount() - kLinhasDeFalta) +
                    " artigos sem Preço Unitário (ou inválido)!";
      }
      result.SetMensagem(mensagem);
    }
    leituras.SetFilter("");
    return result;
  });
}

Result MovImportacao::LeiturasPreparar() {
  return RunTrapped([&] {
    Result result;
    const bool transferencia = cab_tipo_importacao_ == TI_TransferenciasArm;
    if (cab_tipo_importacao_ == TI_AnularPicagens) {
      if (HasRows(leituras_)) leituras_->MoveFirst();
      return result;
    }

    doc_orig_tipo_.clear();
    doc_orig_serie_.clear();
    doc_orig_numero_ = -1;
    doc_orig_ano_ = -1;
    if (cab_tipo_importacao_ != TI_InventarioInicial &&
        cab_tipo_importacao_ != TI_AcertoInventario && HasRows(leituras_)) {
      Recordset& leituras = *leituras_;
      leituras.SetFilter(
          "DocOrigTipo<>'' AND DocOrigSerie <> '' AND DocOrigNumero <> 0 AND DocOrigAno <>0 ");
      if (leituras.RecordCount() > 0) {
        doc_orig_tipo_ = FieldText(leituras, "DocOrigTipo");
        doc_orig_serie_ = FieldText(leituras, "DocOrigSerie");
        doc_orig_numero_ = CLng(leituras["DocOrigNumero"].Value());
        doc_orig_ano_ = CInt(leituras["DocOrigAno"].Value());
        doc_originais_ = LeitDocOriginaisBuid();
        for (; !leituras.Eof(); leituras.MoveNext()) {
          LeitDocOriginaisAdd(
              FieldText(leituras, "DocOrigTipo"), FieldText(leituras, "DocOrigSerie"),
              CLng(leituras["DocOrigNumero"].Value()), CInt(leituras["DocOrigAno"].Value()));
        }
      }
      leituras.SetFilter("");
    }

    doc_orig_cab_.reset();
    doc_orig_lin_.reset();
    if (!doc_orig_tipo_.empty() && doc_orig_numero_ >= 0 && doc_orig_ano_ >= 0) {
      doc_orig_cab_ =
          HlpDb_DocGcCab(doc_orig_tipo_, doc_orig_numero_, doc_orig_serie_, doc_orig_ano_);
      const std::string chave =
          ChaveTexto(doc_orig_tipo_, doc_orig_numero_, doc_orig_serie_, doc_orig_ano_);
      if (doc_orig_cab_->RecordCount() == 0) {
        return Result::Failure("Documento Original não existe. " + chave);
      }
      doc_orig_lin_ =
          HlpDb_DocGcLin(doc_orig_tipo_, doc_orig_numero_, doc_orig_serie_, doc_orig_ano_);
      if (doc_orig_lin_->RecordCount() == 0) {
        result = Result::Failure("Documento Original não tem linhas. " + chave);
      } else if (transferencia) {
        for (doc_orig_lin_->MoveFirst(); !doc_orig_lin_->Eof(); doc_orig_lin_->MoveNext()) {
          (*doc_orig_lin_)["QTDORIG"].SetValue(0.0);
          doc_orig_lin_->Update();
        }
      }
    }

    if (HasRows(leituras_)) {
      leituras_->MoveFirst();
      if (!transferencia) {
        const Variant tipo_terceiro = (*leituras_)["Tpterc"].Value();
        cab_tipo_terceiro_ = tipo_terceiro.IsNull() ? 0 : CInt(tipo_terceiro);
        cab_terceiro_ = FieldText(*leituras_, "Terceiro");
      }
    }
    if (result.IsSucesso() && (!doc_orig_lin_ || transferencia)) PrecosCalcular();
    if (HasRows(leituras_)) leituras_->MoveFirst();
    return result;
  });
}

void MovImportacao::PrecosCalcular() {
  if (!HasRows(leituras_)) return;
  Recordset& leitura = *leituras_;
  for (leitura.MoveFirst(); !leitura.Eof(); leitura.MoveNext()) {
    const double factor =
        UnitFactor(leitura["Unidade"].Value(), leitura["UnEmbalagem"].Value(),
                   leitura["FactorEmbalagem"].Value(), leitura["UnTransporte"].Value(),
                   leitura["FactorTransporte"].Value());
    Variant preco;
    switch (cab_tipo_importacao_) {
      case TI_Compra:
        preco = Vezes(leitura["ULTPRCBR"].Value(), factor);
        break;
      case TI_Venda:
        preco = Vezes(leitura["PrVenda"].Value(), factor);
        break;
      case TI_InventarioInicial:
        preco = Vezes(leitura["PrecoUnitario"].Value(), factor);
        break;
      case TI_AcertoInventario:
        preco = PrecoMedio(leitura, "StockTot", factor);
        break;
      default:  // transfers
        preco = PrecoMedio(leitura, "StockArm", factor);
        break;
    }
    leitura["PrUnitCalculado"].SetValue(preco);
    leitura.Update();
  }
}

}  // namespace pellora
