// The lines a document may hold: the host numbers them as 16-bit integers. An import that would
// need more is refused before any document is begun, in words that say what to do.

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "importacao/line_plan.h"
#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/field_values.h"

namespace pellora {
namespace {

constexpr long kMaximoLinhas = 32767;
constexpr long kLinhasPorLeitura = 4;

std::string LimiteMensagem(const std::string& linhas) {
  return "O documento teria " + linhas + " linhas; o máximo é " + std::to_string(kMaximoLinhas) +
         ". Importe menos conjuntos de cada vez.";
}

// What each line of an original document still has to serve, by its line number.
std::optional<std::map<int32_t, double>> PendentesDe(const RecordsetPtr& linhas) {
  if (!linhas) return std::nullopt;
  std::map<int32_t, double> pendentes;
  for (MoveToFirstRow(*linhas); !linhas->Eof(); linhas->MoveNext()) {
    pendentes.emplace(CLng((*linhas)["NUMLINHA"].Value()), FieldNumber(*linhas, "QUANT"));
  }
  return pendentes;
}

// What the count needs of an original document: its lines' pending quantities and whether its
// header was found.
struct OriginalPrevisto {
  std::optional<std::map<int32_t, double>> pendentes;
  bool com_cabecalho = false;
};

// The originals the count has loaded, each once: readings of many sets come back to the same
// original again and again, and the count writes nothing, so a second load reads the same rows.
class OriginaisPrevistos {
 public:
  const OriginalPrevisto& De(const ChaveDoOriginal& chave) {
    auto [at, novo] =
        carregados_.try_emplace(std::tie(chave.tipo, chave.serie, chave.numero, chave.ano));
    if (novo) {
      const Original carregado = OriginalCarregar(chave);
      at->second = {PendentesDe(carregado.linhas), HasRows(carregado.cabecalho)};
    }
    return at->second;
  }

 private:
  std::map<std::tuple<std::string, std::string, int32_t, int16_t>, OriginalPrevisto> carregados_;
};

}  // namespace

// The lines the builders will add, found by walking the readings by the builders' own rules
// (line_plan.h) without a document: a reading joins the line before or takes lines of its own,
// as many as its original lines' pending quantities split it into, after its original's
// separator and description lines. The builders stop at the 16-bit line numbers; the count goes
// on past them to say how many lines there would be.
long MovImportacao::LinhasPrevistas() {
  return cab_tipo_importacao_ == TI_AcertoInventario ? LinhasDeAcertoPrevistas()
                                                     : LinhasDeLeiturasPrevistas();
}

long MovImportacao::LinhasDeLeiturasPrevistas() {
  Recordset& leitura = *leituras_;
  long linhas = 0;
  LinhaAnterior anterior;
  ChaveDoOriginal original;
  OriginaisPrevistos originais;
  std::optional<std::map<int32_t, double>> pendentes;  // of the original's lines, when loaded
  for (MoveToFirstRow(leitura); !leitura.Eof(); leitura.MoveNext()) {
    if (leitura["QUANTIDADE"].Value().IsNull() || leitura["ARTIGO"].Value().IsNull()) {
      anterior.Esquecer();
      continue;
    }
    const int32_t numero_linha = CLng(leitura["NumeroLinha"].Value());
    double quantidade = FieldNumber(leitura, "QUANTIDADE");
    const bool coloca = quantidade != 0 || FieldText(leitura, "ARTIGO").empty();
    while (coloca) {
      double tomada = quantidade;
      if (!anterior.Continua(leitura)) {
        const ChaveDoOriginal chave = ChaveDoOriginal::DaLeitura(leitura);
        if (!(chave == original)) {
          if (SeparadorAntesDoOriginal(linhas)) ++linhas;
          original = chave;
          const OriginalPrevisto& previsto = originais.De(chave);
          pendentes = previsto.pendentes;
          if (previsto.com_cabecalho) ++linhas;
        }
        ++linhas;
        if (pendentes && pendentes->contains(numero_linha)) {
          double& pendente = pendentes->at(numero_linha);
          tomada = QuantidadeTomada(quantidade, pendente);
          if (pendente > 0) pendente -= tomada;
        }
      }
      quantidade -= tomada;
      anterior.Lembrar(leitura, numero_linha);
      if (quantidade <= 0) break;
    }
    if (!coloca) anterior.Lembrar(leitura, numero_linha);
  }
  return linhas;
}

// The final document has the most lines that depend on the readings: the breakage and surplus
// documents take one line per article and warehouse.
long MovImportacao::LinhasDeAcertoPrevistas() {
  Recordset& leitura = *leituras_;
  LinhasEstado estado;
  long linhas = 0;
  for (MoveToFirstRow(leitura); !leitura.Eof(); leitura.MoveNext()) {
    const UnidadeBase& base = UnidadeDaLeitura(estado);
    if (QuantidadeDeAcerto(leitura, base.factor) != 0 && !estado.anterior.Continua(leitura)) {
      ++linhas;
    }
    estado.anterior.Lembrar(leitura, CLng(FieldNumber(leitura, "Ordenaca")));
  }
  return linhas;
}

Result MovImportacao::LinhasLimiteVerificar() {
  if (cab_tipo_importacao_ == TI_AnularPicagens || !HasRows(leituras_)) return Result();
  // A reading takes at most two lines of its own (a line against its original line takes what
  // is pending, and the rest goes on one more line) and two of its original document's: small
  // imports need no pass over their readings.
  if (leituras_->RecordCount() * kLinhasPorLeitura <= kMaximoLinhas) return Result();
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
