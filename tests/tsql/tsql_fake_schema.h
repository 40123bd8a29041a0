#ifndef PELLORA_TESTS_TSQL_TSQL_FAKE_SCHEMA_H_
#define PELLORA_TESTS_TSQL_TSQL_FAKE_SCHEMA_H_

#include <algorithm>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "platform/tsql/tsql_declared_types.h"
#include "platform/tsql/tsql_step.h"

namespace pellora::tsql {

// The company tables the translator tests name, typed as SQL Server reports them.
class FakeSchema : public SchemaInfo {
 public:
  FakeSchema() {
    Add("oru_ARM_Picking_Movimentos",
        "TerminalId nvarchar(20), DataSync nvarchar(14), Data nvarchar(14), NumeroLinha int, "
        "TpDoc nvarchar(3), Serie nvarchar(10), Numero int, Ano smallint, TipoMov nvarchar(1), "
        "Tpterc int, Terceiro nvarchar(15), Artigo nvarchar(30), Quantidade float, Estado int, "
        "Ordenaca int, PrecoUnitario float, Dest_TpDoc nvarchar(3), Dest_Serie nvarchar(10)");
    Add("ARTARM", "ARTIGO nvarchar(30), EXISTENC float");
    Add("ARTIGOS",
        "CODIGO nvarchar(30), NOME nvarchar(60), ULTPRCOM money, STDISP float, UNEMB nvarchar(5), "
        "FACTEMB float");
    Add("CLIENTES", "CODIGO nvarchar(15), NOME nvarchar(60)");
    Add("FORNEC", "CODIGO nvarchar(15), NOME nvarchar(50)");
    Add("DOCGCCAB", "TPFSTC smallint, DateUpd datetime, HourUpd nvarchar(8)");
    Add("DOCGCLIN", "QUANT float, ARTIGO nvarchar(30)");
    Add("oru_ArquivoDigital",
        "oru_ArquivoDigital_Id int, oru_ArquivoDigital_Titulo nvarchar(100), "
        "oru_ArquivoDigital_NomeFicheiro varchar(50)");
    Add("IDIOMAS", "CODIGO nvarchar(5), DESCR nvarchar(40)");
    Add("NSEREXIS", "ARTIGO nvarchar(30), NUMSER nvarchar(30), ARMAZEM nvarchar(6)");
  }

  std::optional<ColumnType> ColumnTypeOf(std::string_view table,
                                         std::string_view column) const override {
    auto found = columns_.find(Key(table, column));
    if (found == columns_.end()) return std::nullopt;
    return found->second;
  }
  // Only NSEREXIS has a key here: the other tables' rows keep the order their statements give.
  std::vector<std::string> KeyOf(std::string_view table) const override {
    if (Key(table, "") != "NSEREXIS.") return {};
    return {"ARTIGO", "NUMSER"};
  }

 private:
  static std::string Key(std::string_view table, std::string_view column) {
    std::string key = std::string(table) + "." + std::string(column);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
  }

  // `columns` as "name type, name type...", each type as the server declares it.
  void Add(const std::string& table, std::string_view columns) {
    for (size_t at = 0; at < columns.size();) {
      const size_t end = std::min(columns.find(", ", at), columns.size());
      const std::string_view column = columns.substr(at, end - at);
      const size_t blank = column.find(' ');
      columns_[Key(table, column.substr(0, blank))] =
          ColumnTypeFromDeclared(column.substr(blank + 1));
      at = end + 2;
    }
  }

  std::map<std::string, ColumnType> columns_;
};

// Lines joined as the system sends them: each ended by CR LF.
inline std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace pellora::tsql

#endif  // PELLORA_TESTS_TSQL_TSQL_FAKE_SCHEMA_H_
