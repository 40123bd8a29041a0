// The single items the lines builders add to the host document: an article line, a lot entry
// and a serial-number entry, and the unit factor of a line against the article's base unit.

#include <string>

#include "dal/dal_comandos.h"
#include "importacao/mov_importacao.h"
#include "importacao/unit_factor.h"
#include "runtime/convert.h"
#include "runtime/field_values.h"
#include "runtime/format.h"
#include "runtime/text.h"

namespace pellora {
namespace {

RecordsetPtr FichaDoArtigo(const std::string& artigo) {
  return HlpDb_ArtigosGet("CODIGO='" + QuoteEscape(artigo) + "'", "");
}

double FactorNaFicha(Recordset& ficha, const std::string& unidade) {
  return UnitFactor(unidade, ficha["UNEMB"].Value(), ficha["FACTEMB"].Value(),
                    ficha["UNTRANS"].Value(), ficha["FACTTRA"].Value());
}

}  // namespace

LateBoundPtr MovImportacao::LinhaNova(const std::string& artigo, const std::string& armazem,
                                      const std::string& unidade, double quantidade, double preco) {
  LateBoundPtr linha = api_->NovaLinha();
  linha->Set("TipoDeLinha", static_cast<int16_t>(1));
  linha->Set("Artigo", artigo);
  linha->Set("Armazem", armazem);
  documento_->SugereValoresLin(linha);
  linha->Set("Quantidade", quantidade);
  linha->Set("QuantidadeOrigem", quantidade);
  linha->Set("PrecoUnitario", preco);
  linha->Set("PrecoUnitarioIntroduzido", preco);
  linha->Set("Unidade", unidade);
  return linha;
}

int16_t MovImportacao::LinhaAdicionar(const LateBoundPtr& linha) {
  documento_->AdicionaLinha(linha);
  LinhaNumeroVerificar(*linha);
  return CInt(linha->Get("NumeroDaLinha"));
}

void MovImportacao::LoteAdd(const std::string& nosso_lote, const std::string& vosso_lote,
                            const std::string& artigo, const std::string& armazem,
                            int16_t numero_linha, double quantidade, const std::string& validade) {
  const bool com_validade = cab_tipo_importacao_ == TI_Compra && !validade.empty();
  LoteRegistar(nosso_lote, vosso_lote, artigo, armazem,
               com_validade ? Format(validade, "dd-mm-yyyy") : "", quantidade, numero_linha);
}

void MovImportacao::LoteRegistar(const std::string& nosso_lote, const std::string& vosso_lote,
                                 const std::string& artigo, const std::string& armazem,
                                 const std::string& validade, double quantidade,
                                 int16_t numero_linha) {
  if (nosso_lote.empty()) return;
  LateBoundPtr lote = api_->NovoLote();
  LateBoundObject& campos = lote->Object("campos");
  campos.Set("CodigoLote", nosso_lote);
  campos.Set("Artigo", artigo);
  campos.Set("VossoLote", vosso_lote.empty() ? std::string("VL") : vosso_lote);
  campos.Set("Armazem", armazem);
  if (cab_tipo_importacao_ == TI_Compra) {
    campos.Set("DataEntrada", Format(cab_data_, "dd-mm-yyyy"));
    campos.Set("Fornecedor", cab_terceiro_);
  }
  if (!validade.empty()) campos.Set("DATAVALIDADE", validade);
  lote->Set("QuantidadeMovimentada", quantidade);
  lote->Set("NumeroLinhaDocComercial", numero_linha);
  documento_->AdicionaLote(lote);
}

void MovImportacao::NumeroSerieAdd(const std::string& numero_serie, int16_t numero_linha,
                                   const std::string& artigo, const std::string& armazem) {
  if (numero_serie.empty()) return;
  LateBoundPtr serie = api_->NovoNumeroSerie();
  serie->Set("NumeroLinhaDocComercial", numero_linha);
  LateBoundObject& campos = serie->Object("campos");
  campos.Set("Artigo", artigo);
  campos.Set("Armazem", armazem);
  campos.Set("Noserie", numero_serie);
  serie->Set("TipoDeLinha", static_cast<int16_t>(1));
  documento_->AdicionaNumeroSerie(serie);
}

double MovImportacao::FactorUnidade(const std::string& artigo, const std::string& unidade) {
  RecordsetPtr ficha = FichaDoArtigo(artigo);
  return HasRows(ficha) ? FactorNaFicha(*ficha, unidade) : 1;
}

MovImportacao::UnidadeBase MovImportacao::UnidadeBaseDe(const std::string& artigo,
                                                        const std::string& unidade) {
  RecordsetPtr ficha = FichaDoArtigo(artigo);
  if (!HasRows(ficha)) return {unidade, 1};
  const std::string base = FieldText(*ficha, "UNIDADE");
  return {base.empty() ? unidade : base, FactorNaFicha(*ficha, unidade)};
}

}  // namespace pellora
