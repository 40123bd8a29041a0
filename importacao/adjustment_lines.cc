// The lines of the three inventory adjustment documents: breakages write off positive stock,
// surpluses bring negative stock back to zero, and the final document enters the counted
// quantities plus the stock movements since the count. Every line is in the article's base unit,
// whatever unit the readings counted in, so that the stock it moves is what was counted.

#include <cmath>
#include <string>
#include <utility>

#include "dal/dal_comandos.h"
#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/field_values.h"
#include "runtime/text.h"

namespace pellora {
namespace {

constexpr char kModoFinal[] = "ACERTOFINAL";

std::string NoArmazem(const std::string& artigo, const std::string& armazem) {
  return artigo + " no armazem " + armazem;
}

}  // namespace

// Each reading is taken once. The breakage and surplus rules apply to the document whose type is
// the breakage or surplus document type of the parameters.
void MovImportacao::AcertoLinhasCriar(const std::string& modo, Recordset& parametros,
                                      LinhasEstado& estado) {
  estado.anterior.Esquecer();
  const std::string tipo_documento = CStr(documento_->cab().Get("TipoDocumento"));
  const bool quebra = FieldText(parametros, "QUEBRADOC") == tipo_documento;
  const bool sobra = FieldText(parametros, "SOBRADOC") == tipo_documento;

  Recordset& leitura = *leituras_;
  for (MoveToFirstRow(leitura); !leitura.Eof(); leitura.MoveNext()) {
    if (modo == kModoFinal) {
      AcertoFinalAplicar(estado);
    } else {
      if (quebra) QuebraSobraAplicar(true, estado);
      if (sobra) QuebraSobraAplicar(false, estado);
    }
    estado.anterior.Lembrar(leitura, CInt(FieldNumber(leitura, "Ordenaca")));
  }
}

// The whole warehouse stock of an article goes on one line, once, at the first of its readings
// however many follow: in the base unit, at the computed price of one base unit.
void MovImportacao::QuebraSobraAplicar(bool quebra, LinhasEstado& estado) {
  Recordset& leitura = *leituras_;
  estado.quantidade = std::fabs(FieldNumber(leitura, "StockArm"));
  if (estado.quantidade == 0) return;
  const std::string artigo = FieldText(leitura, "ARTIGO");
  const std::string armazem = FieldText(leitura, "ARMAZEM");
  if (!estado.lugares_abatidos.emplace(UCase(artigo), UCase(armazem)).second) return;
  const std::string numero_serie = FieldText(leitura, "NUMEROSERIE");
  const std::string nosso_lote = FieldText(leitura, "NOSSOLOTE");

  const UnidadeBase& base = UnidadeDaLeitura(estado);
  estado.ultima_linha = LinhaDeAcertoAdd(artigo, armazem, base.unidade, estado.quantidade,
                                         FieldNumber(leitura, "PrUnitCalculado") / base.factor);
  if (!quebra) {
    const std::string sobras =
        "Não é possivel fazer sobras para o artigo " + NoArmazem(artigo, armazem) + ". Necessita ";
    if (!numero_serie.empty()) estado.result = Result::Failure(sobras + "Nº de Série.");
    if (!nosso_lote.empty()) estado.result = Result::Failure(sobras + "Lotes.");
    return;
  }
  if (!numero_serie.empty()) NumerosSerieQuebrar(artigo, armazem, estado);
  LoteAdd(nosso_lote, FieldText(leitura, "VOSSOLOTE"), artigo, armazem, estado.ultima_linha,
          estado.quantidade, "");
}

// A breakage writes off serial numbers in stock, the first ones the host lists, whatever the
// readings say.
void MovImportacao::NumerosSerieQuebrar(const std::string& artigo, const std::string& armazem,
                                        LinhasEstado& estado) {
  RecordsetPtr em_stock = HlpDb_NumerosSerieGet(artigo, armazem);
  if (em_stock->RecordCount() < estado.quantidade) {
    estado.result =
        Result::Failure("Não existem numeros de série suficientes para quebrar o artigo " +
                        NoArmazem(artigo, armazem));
    return;
  }
  for (int16_t contador = 0; contador < estado.quantidade; ++contador) {
    NumeroSerieAdd(FieldText(*em_stock, "NUMSER"), estado.ultima_linha, artigo, armazem);
    em_stock->MoveNext();
  }
}

// The count in base units plus the movements since the count, which the loader gives the first
// reading of each article and warehouse only. Lines are in base units, so a lot entry moves the
// quantity of its line.
void MovImportacao::AcertoFinalAplicar(LinhasEstado& estado) {
  const UnidadeBase& base = UnidadeDaLeitura(estado);
  estado.quantidade = QuantidadeDeAcerto(*leituras_, base.factor);
  if (estado.quantidade == 0) return;
  if (estado.anterior.Continua(*leituras_)) {
    LinhaAnteriorSomar(estado);
  } else {
    LinhaDeAcertoNova(base, estado);
  }
  ItensDaLeitura(estado);
}

// Priced per base unit: the reading's own unit price (a price per base unit, which the initial
// inventory multiplies by the factor), else the computed price of the reading's unit brought to
// the base unit, else the last purchase price.
void MovImportacao::LinhaDeAcertoNova(const UnidadeBase& base, LinhasEstado& estado) {
  Recordset& leitura = *leituras_;
  double preco = FieldNumber(leitura, "PrecoUnitario");
  if (preco == 0) preco = FieldNumber(leitura, "PrUnitCalculado") / base.factor;
  if (preco == 0) preco = FieldNumber(leitura, "UltPrCom");
  estado.ultima_linha =
      LinhaDeAcertoAdd(FieldText(leitura, "ARTIGO"), FieldText(leitura, "ARMAZEM"), base.unidade,
                       estado.quantidade, preco);
}

// The article is looked up once per unit in a run.
const MovImportacao::UnidadeBase& MovImportacao::UnidadeDaLeitura(LinhasEstado& estado) {
  Recordset& leitura = *leituras_;
  const std::string artigo = FieldText(leitura, "ARTIGO");
  const std::string unidade = FieldText(leitura, "UNIDADE");
  const auto chave = std::make_pair(UCase(artigo), UCase(unidade));
  auto encontrada = estado.unidades.find(chave);
  if (encontrada == estado.unidades.end()) {
    encontrada = estado.unidades.emplace(chave, UnidadeBaseDe(artigo, unidade)).first;
  }
  return encontrada->second;
}

int16_t MovImportacao::LinhaDeAcertoAdd(const std::string& artigo, const std::string& armazem,
                                        const std::string& unidade_base, double quantidade,
                                        double preco) {
  LateBoundPtr linha = LinhaNova(artigo, armazem, unidade_base, quantidade, preco);
  linha->Set("Factor", 1.0);
  return LinhaAdicionar(linha);
}

}  // namespace pellora
