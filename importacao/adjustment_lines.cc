// The lines of the three inventory adjustment documents: breakages write off positive stock,
// surpluses bring negative stock back to zero, and the final document enters the counted
// quantities less the stock movements since the count.

#include <cmath>
#include <string>

#include "dal/dal_comandos.h"
#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/field_values.h"

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
  estado.artigo_anterior.clear();
  estado.armazem_anterior.clear();
  estado.linha_anterior = 0;
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
    estado.artigo_anterior = FieldText(leitura, "ARTIGO");
    estado.armazem_anterior = FieldText(leitura, "ARMAZEM");
    estado.linha_anterior = CInt(FieldNumber(leitura, "Ordenaca"));
  }
}

// The whole warehouse stock goes on one line per article and warehouse; further readings of it
// add a line only when they carry neither serial number nor lot.
void MovImportacao::QuebraSobraAplicar(bool quebra, LinhasEstado& estado) {
  Recordset& leitura = *leituras_;
  estado.quantidade = std::fabs(FieldNumber(leitura, "StockArm"));
  if (estado.quantidade == 0) return;
  const std::string artigo = FieldText(leitura, "ARTIGO");
  const std::string armazem = FieldText(leitura, "ARMAZEM");
  const std::string numero_serie = FieldText(leitura, "NUMEROSERIE");
  const std::string nosso_lote = FieldText(leitura, "NOSSOLOTE");
  const bool repetido = artigo == estado.artigo_anterior && armazem == estado.armazem_anterior;
  if (repetido && (!numero_serie.empty() || !nosso_lote.empty())) return;

  LinhaAdd(artigo, armazem, FieldText(leitura, "UNIDADE"), estado.quantidade,
           FieldNumber(leitura, "PrUnitCalculado"), estado.ultima_linha);
  if (repetido) return;

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

void MovImportacao::AcertoFinalAplicar(LinhasEstado& estado) {
  Recordset& leitura = *leituras_;
  const double movimentos = FieldNumber(leitura, "EntMaisSaidas");
  estado.quantidade = std::fabs(FieldNumber(leitura, "QUANTIDADE") + movimentos);
  if (estado.quantidade == 0) return;
  if (ContinuaLinhaAnterior(estado)) {
    LinhaAnteriorSomar(estado);
  } else {
    LinhaDeAcertoNova(estado);
  }
  ItensDaLeitura(estado);
}

// Priced from the reading's own unit price, else the computed one, else the last purchase price.
void MovImportacao::LinhaDeAcertoNova(LinhasEstado& estado) {
  Recordset& leitura = *leituras_;
  double preco = FieldNumber(leitura, "PrecoUnitario");
  if (preco == 0) preco = FieldNumber(leitura, "PrUnitCalculado");
  if (preco == 0) preco = FieldNumber(leitura, "UltPrCom");
  const std::string artigo = FieldText(leitura, "ARTIGO");
  const std::string unidade = FieldText(leitura, "UNIDADE");
  estado.factor_linha = FactorUnidade(artigo, unidade);
  LateBoundPtr linha =
      LinhaNova(artigo, FieldText(leitura, "ARMAZEM"), unidade, estado.quantidade, preco);
  linha->Set("Factor", estado.factor_linha);
  estado.ultima_linha = LinhaAdicionar(linha);
}

}  // namespace pellora
