#ifndef PELLORA_IMPORTACAO_LINE_PLAN_H_
#define PELLORA_IMPORTACAO_LINE_PLAN_H_

#include <cstdint>
#include <string>

#include "runtime/recordset.h"

namespace pellora {

// Where the readings go on a document: onto the line before or onto lines of their own, how much
// of a reading a line against its original document takes, and the text lines an original
// brings. The lines builders follow these rules as they add lines, and the line-limit check
// follows them to count the lines before any document is begun, so that the two cannot differ.

// The line before, as a run over the readings remembers it.
class LinhaAnterior {
 public:
  // Readings with a serial number or lot of the same article, warehouse and line as the reading
  // before go onto one line. The line compared with the reading's NumeroLinha is what the run
  // remembered: NumeroLinha in the reading run, Ordenaca in the adjustment run.
  bool Continua(Recordset& leitura) const;
  void Lembrar(Recordset& leitura, int32_t linha);
  // A reading without quantity or article: the next reading starts a line of its own.
  void Esquecer() { lembrada_ = false; }

 private:
  bool lembrada_ = false;
  std::string artigo_;
  std::string armazem_;
  int32_t linha_ = 0;
};

// The original document a reading comes from (its DocOrig* fields).
struct ChaveDoOriginal {
  std::string tipo;
  std::string serie;
  int32_t numero = -1;
  int16_t ano = -1;

  static ChaveDoOriginal DaLeitura(Recordset& leitura);
  // Whether the key names a document to load: a series, a number and a year.
  bool Completa() const { return !serie.empty() && numero > 0 && ano > 0; }
  // "tipo-serie-numero-ano", as the description line and the messages name it.
  std::string Texto() const;
  bool operator==(const ChaveDoOriginal&) const = default;
};

// The original's lines and header, both unset when the key is not complete.
struct Original {
  RecordsetPtr linhas;
  RecordsetPtr cabecalho;
};
Original OriginalCarregar(const ChaveDoOriginal& chave);

// A new original is set apart from the lines before it by an empty line from the document's
// third line on, and described by a line when its header was found.
inline bool SeparadorAntesDoOriginal(long ultima_linha) {
  return ultima_linha > 1;
}

// What a line against an original line with `pendente` still to serve takes of a reading's
// `quantidade`: at most what is pending, and all of it from a line already served, so that every
// reading is placed in a bounded number of lines.
double QuantidadeTomada(double quantidade, double pendente);

// The final adjustment line of a reading in base units (`factor` brings its unit there): the
// count plus the movements since the count. A reading with a serial number is the one unit its
// number names: movements, which name no serial numbers, would make its line disagree with them.
double QuantidadeDeAcerto(Recordset& leitura, double factor);

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_LINE_PLAN_H_
