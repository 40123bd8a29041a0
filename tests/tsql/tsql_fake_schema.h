#ifndef PELLORA_TESTS_TSQL_TSQL_FAKE_SCHEMA_H_
#define PELLORA_TESTS_TSQL_TSQL_FAKE_SCHEMA_H_

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "platform/tsql/tsql_step.h"

namespace pellora::tsql {

// The company tables the translator tests name, typed as SQL Server reports them.
class FakeSchema : public SchemaInfo {
 public:
  FakeSchema() {
    Add("oru_ARM_Picking_Movimentos", {{"TerminalId", {adVarWChar, 20}},
                                       {"DataSync", {adVarWChar, 14}},
                                       {"Data", {adVarWChar, 14}},
                                       {"NumeroLinha", {adInteger, 4}},
                                       {"TpDoc", {adVarWChar, 3}},
                                       {"Serie", {adVarWChar, 10}},
                                       {"Numero", {adInteger, 4}},
                                       {"Ano", {adSmallInt, 2}},
                                       {"TipoMov", {adVarWChar, 1}},
                                       {"Tpterc", {adInteger, 4}},
                                       {"Terceiro", {adVarWChar, 15}},
                                       {"Artigo", {adVarWChar, 30}},
                                       {"Quantidade", {adDouble, 8}},
                                       {"Estado", {adInteger, 4}},
                                       {"Ordenaca", {adInteger, 4}},
                                       {"PrecoUnitario", {adDouble, 8}},
                                       {"Dest_TpDoc", {adVarWChar, 3}},
                                       {"Dest_Serie", {adVarWChar, 10}}});
    Add("ARTARM", {{"ARTIGO", {adVarWChar, 30}}, {"EXISTENC", {adDouble, 8}}});
    Add("ARTIGOS", {{"CODIGO", {adVarWChar, 30}},
                    {"NOME", {adVarWChar, 60}},
                    {"ULTPRCOM", {adCurrency, 8}},
                    {"STDISP", {adDouble, 8}},
                    {"UNEMB", {adVarWChar, 5}},
                    {"FACTEMB", {adDouble, 8}}});
    Add("CLIENTES", {{"CODIGO", {adVarWChar, 15}}, {"NOME", {adVarWChar, 60}}});
    Add("FORNEC", {{"CODIGO", {adVarWChar, 15}}, {"NOME", {adVarWChar, 50}}});
    Add("DOCGCCAB", {{"TPFSTC", {adSmallInt, 2}},
                     {"DateUpd", {adDBTimeStamp, 16}},
                     {"HourUpd", {adVarWChar, 8}}});
    Add("DOCGCLIN", {{"QUANT", {adDouble, 8}}, {"ARTIGO", {adVarWChar, 30}}});
    Add("oru_ArquivoDigital", {{"oru_ArquivoDigital_Id", {adInteger, 4}},
                               {"oru_ArquivoDigital_Titulo", {adVarWChar, 100}},
                               {"oru_ArquivoDigital_NomeFicheiro", {adVarChar, 50}}});
    Add("IDIOMAS", {{"CODIGO", {adVarWChar, 5}}, {"DESCR", {adVarWChar, 40}}});
    Add("NSEREXIS",
        {{"ARTIGO", {adVarWChar, 30}}, {"NUMSER", {adVarWChar, 30}}, {"ARMAZEM", {adVarWChar, 6}}});
    keys_[Key("NSEREXIS", "")] = {"ARTIGO", "NUMSER"};
  }

  std::optional<ColumnType> ColumnTypeOf(std::string_view table,
                                         std::string_view column) const override {
    auto found = columns_.find(Key(table, column));
    if (found == columns_.end()) return std::nullopt;
    return found->second;
  }
  // Only NSEREXIS has a key here: the other tables' rows keep the order their statements give.
  std::vector<std::string> KeyOf(std::string_view table) const override {
    const auto found = keys_.find(Key(table, ""));
    return found == keys_.end() ? std::vector<std::string>() : found->second;
  }

 private:
  static std::string Key(std::string_view table, std::string_view column) {
    std::string key = std::string(table) + "." + std::string(column);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
  }

  void Add(const std::string& table,
           std::initializer_list<std::pair<std::string, ColumnType>> columns) {
    for (const auto& [name, type] : columns) columns_[Key(table, name)] = type;
  }

  std::map<std::string, ColumnType> columns_;
  std::map<std::string, std::vector<std::string>> keys_;  // by Key(table, "")
};

// Lines joined as the system sends them: each ended by CR LF.
inline std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace pellora::tsql

#endif  // PELLORA_TESTS_TSQL_TSQL_FAKE_SCHEMA_H_
