#ifndef PELLORA_TESTS_IMPORTACAO_IMPORT_FIXTURES_H_
#define PELLORA_TESTS_IMPORTACAO_IMPORT_FIXTURES_H_

#include <memory>
#include <string>
#include <vector>

#include "importacao/mov_importacao.h"
#include "runtime/recordset.h"
#include "runtime/variant.h"
#include "tests/dal/recording_data_access.h"
#include "tests/importacao/fake_host.h"

namespace pellora::testing {

// One reading as the loaders return it; every value can be changed before the recordset is
// made.
struct Leitura {
  int32_t numero_linha = 1;
  std::string artigo = "A1";
  std::string armazem = "1";
  std::string unidade = "UN";
  double quantidade = 1;
  Variant preco_unitario = 1.0;
  std::string doc_orig_tipo{};
  std::string doc_orig_serie{};
  int32_t doc_orig_numero = 0;
  int32_t doc_orig_ano = 0;
  Variant tpterc = static_cast<int32_t>(2);
  Variant terceiro = "c1";
  double stock_arm = 0;
  Variant stock_tot = 0.0;
  Variant val_existencia = Variant::Null();
  Variant ultprcbr = 0.0;
  Variant pr_venda = 0.0;
  Variant un_embalagem = Variant::Null();
  Variant factor_embalagem = Variant::Null();
  Variant un_transporte = Variant::Null();
  Variant factor_transporte = Variant::Null();
  std::string numero_serie{};
  std::string nosso_lote{};
};

// The readings recordset (the fields the import reads), on its first row.
inline RecordsetPtr Leituras(const std::vector<Leitura>& leituras) {
  auto rs = std::make_shared<Recordset>();
  const std::vector<std::pair<std::string, int>> fields = {
      {"NumeroLinha", adInteger},    {"DocOrigTipo", adVarWChar},   {"DocOrigSerie", adVarWChar},
      {"DocOrigNumero", adInteger},  {"DocOrigAno", adInteger},     {"Tpterc", adInteger},
      {"Terceiro", adVarWChar},      {"Artigo", adVarWChar},        {"Unidade", adVarWChar},
      {"Armazem", adVarWChar},       {"NumeroSerie", adVarWChar},   {"NossoLote", adVarWChar},
      {"VossoLote", adVarWChar},     {"DataValidade", adVarWChar},  {"Quantidade", adDouble},
      {"EntMaisSaidas", adDouble},   {"Ordenaca", adInteger},       {"TpLinha", adInteger},
      {"PrecoUnitario", adDouble},   {"StockArm", adDouble},        {"UltPrCom", adDouble},
      {"PrUnitCalculado", adDouble}, {"ULTPRCBR", adDouble},        {"PrVenda", adDouble},
      {"StockTot", adDouble},        {"ValExistencia", adDouble},   {"UnEmbalagem", adVarWChar},
      {"UnTransporte", adVarWChar},  {"FactorEmbalagem", adDouble}, {"FactorTransporte", adDouble},
  };
  for (const auto& [name, type] : fields) rs->AppendField(name, type, 50, adFldIsNullable);
  for (const Leitura& l : leituras) {
    std::vector<Variant> row = {l.numero_linha, l.doc_orig_tipo, l.doc_orig_serie};
    row.insert(row.end(), {l.doc_orig_numero, l.doc_orig_ano, l.tpterc, l.terceiro, l.artigo});
    row.insert(row.end(), {l.unidade, l.armazem, l.numero_serie, l.nosso_lote, "", ""});
    row.insert(row.end(), {l.quantidade, l.quantidade, l.numero_linha, int32_t{1}});
    row.insert(row.end(), {l.preco_unitario, l.stock_arm, 0.0, 0.0, l.ultprcbr, l.pr_venda});
    row.insert(row.end(), {l.stock_tot, l.val_existencia, l.un_embalagem, l.un_transporte});
    row.insert(row.end(), {l.factor_embalagem, l.factor_transporte});
    rs->LoadRow(row);
  }
  rs->Open();
  return rs;
}

// A recordset of the given columns and rows, each column typed after the value in `modelo`.
inline RecordsetPtr Tabela(const std::vector<std::string>& colunas,
                           const std::vector<std::vector<Variant>>& linhas,
                           const std::vector<Variant>& modelo) {
  auto rs = std::make_shared<Recordset>();
  for (size_t i = 0; i < colunas.size(); ++i) {
    const int tipo = modelo[i].type() == VarType::kDate           ? adDate
                     : modelo[i].IsString() || modelo[i].IsNull() ? adVarWChar
                                                                  : adDouble;
    rs->AppendField(colunas[i], tipo, 60, adFldIsNullable);
  }
  for (const auto& linha : linhas) rs->LoadRow(linha);
  rs->Open();
  return rs;
}
inline RecordsetPtr Tabela(const std::vector<std::string>& colunas,
                           const std::vector<std::vector<Variant>>& linhas) {
  return Tabela(colunas, linhas, linhas.at(0));
}

// A recordset with the given columns holding the values as its one row, or no row at all when
// `with_row` is false.
inline RecordsetPtr Linha(const std::vector<std::pair<std::string, Variant>>& values,
                          bool with_row = true) {
  std::vector<std::string> colunas;
  std::vector<Variant> valores;
  for (const auto& [name, value] : values) {
    colunas.push_back(name);
    valores.push_back(value);
  }
  return Tabela(
      colunas,
      with_row ? std::vector<std::vector<Variant>>{valores} : std::vector<std::vector<Variant>>{},
      valores);
}

// The parameters row of the import documents.
inline RecordsetPtr Parametros() {
  return Linha({{"INVENTDOC", "INV"},
                {"INVENTSER", "1"},
                {"INVENTSEC", "S1"},
                {"QUEBRADOC", "QBR"},
                {"QUEBRASER", "Q"},
                {"QUEBRASEC", "S2"},
                {"SOBRADOC", "SOB"},
                {"SOBRASER", "O"},
                {"SOBRASEC", "S3"}});
}

// The pieces every import test needs: the data access, the host and the reading set chosen.
struct ImportBench {
  RecordingScope data;
  std::shared_ptr<FakePickingApi> host = std::make_shared<FakePickingApi>();
  std::vector<std::string> terminais = {"", "T1"};
  std::vector<std::string> conjuntos = {"", "20250101"};

  ImportBench() { data->Answer("oru_PARAMETROSEXP", Parametros()); }
  void Readings(const std::vector<Leitura>& leituras) {
    data->Answer("oru_ARM_Picking_Movimentos] AS MO", Leituras(leituras));
  }
  Result Run(MovImportacao& import) {
    PickingApiPtr api = host;
    return import.Execute(api, true, terminais, conjuntos);
  }
  Result Run(int32_t tipo) {
    MovImportacao import;
    import.SetCabTipoImportacao(tipo);
    return Run(import);
  }
  // The state updates sent, in order.
  std::vector<std::string> Marks() { return data->CallsWith("[Estado] ="); }
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_IMPORTACAO_IMPORT_FIXTURES_H_
