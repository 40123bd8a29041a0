#ifndef PELLORA_TESTS_IMPORTACAO_LINES_FIXTURES_H_
#define PELLORA_TESTS_IMPORTACAO_LINES_FIXTURES_H_

#include <map>
#include <string>
#include <vector>

#include "runtime/convert.h"
#include "runtime/late_bound_object.h"
#include "runtime/recordset.h"
#include "runtime/variant.h"
#include "tests/importacao/import_fixtures.h"

namespace pellora::testing {

// A reading field that the fixture readings do not choose: row (1-based), field, value.
struct Campo {
  long linha;
  std::string nome;
  Variant valor;
};

// Installs the readings, with some fields changed, as the answer of the loaders.
inline void ReadingsWith(ImportBench& bench, const std::vector<Leitura>& leituras,
                         const std::vector<Campo>& campos) {
  RecordsetPtr rs = Leituras(leituras);
  for (const Campo& campo : campos) {
    rs->SetAbsolutePosition(campo.linha);
    (*rs)[campo.nome].SetValue(campo.valor);
    rs->Update();
  }
  bench.data->Answer("oru_ARM_Picking_Movimentos] AS MO", rs);
}

// Lines of the original document ECL-A-5-2025 (article A1, warehouse 1, discount 1.5).
struct LinhaOriginal {
  double numlinha = 1;
  double quant = 0;
  double prunit = 2.5;
  double txdesc = 10;
  std::string vendedor = "V1";
  std::string descr = "Caixa";
};

inline RecordsetPtr LinhasOriginais(const std::vector<LinhaOriginal>& linhas) {
  const auto valores = [](const LinhaOriginal& l) -> std::vector<Variant> {
    return {77.0,    "ECL", 5.0,      "A",      2025.0, "A1",       "1",    l.numlinha,
            l.quant, 0.0,   l.prunit, l.txdesc, 1.5,    l.vendedor, l.descr};
  };
  std::vector<std::vector<Variant>> rows;
  for (const LinhaOriginal& l : linhas) rows.push_back(valores(l));
  return Tabela({"IDLINDOC", "TPDOCUM", "NNUMDOC", "SERIE", "ANO", "ARTIGO", "ARMAZEM", "NUMLINHA",
                 "QUANT", "QTDORIG", "PRUNIT", "TXDESC", "DESCONTO", "VENDEDOR", "DESCR"},
                rows, valores(LinhaOriginal{}));
}

// The header row of an original document ECL-A-5-2025: its key and date, and the columns the
// new document's header copies from it (blank unless given in `copiadas`).
inline RecordsetPtr CabecalhoOriginal(Date data,
                                      const std::map<std::string, Variant>& copiadas = {}) {
  std::vector<std::string> colunas = {"TPDOC", "NNUMDOC", "SERIE", "ANO", "DATA"};
  std::vector<Variant> valores = {"ECL", 5.0, "A", 2025.0, data};
  for (const char* copiada : {"MORADADSG", "LOCALDSG", "PAISDSG", "CDPOSTDSG", "VNUMDOC", "DESCCAB",
                              "VENDEDOR", "NCONTRIB", "LOCALCG", "MODOPGT", "PRAZOPGT",
                              "DOCREFNUMBERCODE_ORIGINAL", "DOCREFNUMBER_ORIGINAL", "FEGLNEMPRESA",
                              "FEIDDEPTERCEIRO", "FETPDOCOUTRO", "DTPRESTACAO"}) {
    colunas.push_back(copiada);
    const auto dada = copiadas.find(copiada);
    valores.push_back(dada == copiadas.end() ? Variant("") : dada->second);
  }
  return Tabela(colunas, {valores});
}

// Member `name` of each host object as text; "campos.X" reads member X of its "campos".
inline std::vector<std::string> Members(const std::vector<LateBoundPtr>& objects,
                                        const std::string& name) {
  const size_t dot = name.find('.');
  std::vector<std::string> texts;
  for (const LateBoundPtr& object : objects) {
    const LateBoundObject& holder =
        dot == std::string::npos ? *object : object->Object(name.substr(0, dot));
    texts.push_back(CStr(holder.Get(name.substr(dot + 1))));
  }
  return texts;
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_IMPORTACAO_LINES_FIXTURES_H_
