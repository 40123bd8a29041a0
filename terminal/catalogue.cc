#include "terminal/catalogue.h"

#include "runtime/field_values.h"

namespace pellora::terminal {
namespace {

using nlohmann::json;

json CodesAndNames(DataAccess& data_access, const std::string& sql) {
  RecordsetPtr rows = data_access.RunWithValues(sql, {});
  json list = json::array();
  for (MoveToFirstRow(*rows); !rows->Eof(); rows->MoveNext()) {
    list.push_back({{"code", FieldText(*rows, "CODIGO")}, {"name", FieldText(*rows, "NOME")}});
  }
  return list;
}

bool Flag(Recordset& row, const char* field) {
  return FieldNumber(row, field) != 0;
}

constexpr char kOrderLinesHead[] =
    "SELECT C.TPDOC, C.SERIE, C.NNUMDOC, C.ANO, CONVERT(NVARCHAR(10), C.DATA, 120) AS DIA, "
    "C.TERCEIRO, COALESCE(CL.NOME, FO.NOME, ISNULL(C.NOME, '')) AS NOMETERC, L.NUMLINHA, "
    "L.ARTIGO, ISNULL(L.DESCR, '') AS DESCR, ISNULL(L.UNIDADE, '') AS UNIDADE, "
    "ISNULL(L.ARMAZEM, '') AS ARMAZEM, L.QTDINTRO, L.QUANT "
    "FROM DOCGCCAB AS C "
    "INNER JOIN TPDOC AS T ON T.CODIGO = C.TPDOC "
    "INNER JOIN DOCGCLIN AS L ON L.TPDOCUM = C.TPDOC AND L.SERIE = C.SERIE "
    "AND L.ANO = C.ANO AND L.NNUMDOC = C.NNUMDOC "
    "LEFT OUTER JOIN CLIENTES AS CL ON C.TPTERC = 2 AND CL.CODIGO = C.TERCEIRO "
    "LEFT OUTER JOIN FORNEC AS FO ON C.TPTERC = 1 AND FO.CODIGO = C.TERCEIRO "
    "WHERE T.AREAG = 3 AND T.TPOPER = ? AND C.[CONVERT] = 0 AND C.NVIAS <> -1 "
    "AND L.LINANU = 0 AND L.ARTIGO <> '' ";
constexpr char kOrderLinesOrder[] =
    "ORDER BY C.DATA, C.TPDOC, C.SERIE, C.ANO, C.NNUMDOC, L.NUMLINHA";

}  // namespace

json Warehouses(DataAccess& data_access) {
  return CodesAndNames(data_access,
                       "SELECT CODIGO, NOME FROM ARMAZENS WHERE INACTIVO = 0 ORDER BY CODIGO");
}

json ThirdParties(DataAccess& data_access, char kind) {
  return CodesAndNames(data_access, std::string("SELECT CODIGO, NOME FROM ") +
                                        (kind == 'E' ? "FORNEC" : "CLIENTES") +
                                        " WHERE INACTIVO = 0 ORDER BY CODIGO");
}

std::optional<json> ArticleByCode(DataAccess& data_access, const std::string& code) {
  RecordsetPtr row = data_access.RunWithValues(
      "SELECT CODIGO, NOME, UNIDADE, UNEMB, FACTEMB, UNTRANS, FACTTRA, CTLOTES, CTNSERIE, "
      "INACTIVO FROM ARTIGOS WHERE CODIGO = ?",
      {code});
  if (!HasRows(row)) return std::nullopt;
  json units = json::array({{{"unit", FieldText(*row, "UNIDADE")}, {"factor", 1}}});
  const std::pair<const char*, const char*> others[] = {{"UNEMB", "FACTEMB"},
                                                        {"UNTRANS", "FACTTRA"}};
  for (const auto& [unit, factor] : others) {
    if (!FieldText(*row, unit).empty()) {
      units.push_back({{"unit", FieldText(*row, unit)}, {"factor", FieldNumber(*row, factor)}});
    }
  }
  return json{{"code", FieldText(*row, "CODIGO")},  {"description", FieldText(*row, "NOME")},
              {"unit", FieldText(*row, "UNIDADE")}, {"units", units},
              {"lots", Flag(*row, "CTLOTES")},      {"serials", Flag(*row, "CTNSERIE")},
              {"expiry", Flag(*row, "CTLOTES")},    {"inactive", Flag(*row, "INACTIVO")}};
}

json OpenOrders(DataAccess& data_access, char kind, const std::string& third_party) {
  std::vector<Variant> values = {static_cast<int32_t>(kind == 'E' ? 1 : 2)};
  if (!third_party.empty()) values.push_back(third_party);
  RecordsetPtr rows = data_access.RunWithValues(
      std::string(kOrderLinesHead) + (third_party.empty() ? "" : "AND C.TERCEIRO = ? ") +
          kOrderLinesOrder,
      values);
  json orders = json::array();
  std::string last;
  for (MoveToFirstRow(*rows); !rows->Eof(); rows->MoveNext()) {
    const std::string document = FieldText(*rows, "TPDOC") + "-" + FieldText(*rows, "SERIE") + "-" +
                                 FieldText(*rows, "NNUMDOC") + "-" + FieldText(*rows, "ANO");
    if (document != last) {
      orders.push_back({{"document", document},
                        {"tpdoc", FieldText(*rows, "TPDOC")},
                        {"serie", FieldText(*rows, "SERIE")},
                        {"numero", static_cast<long>(FieldNumber(*rows, "NNUMDOC"))},
                        {"ano", static_cast<long>(FieldNumber(*rows, "ANO"))},
                        {"date", FieldText(*rows, "DIA")},
                        {"third_party", FieldText(*rows, "TERCEIRO")},
                        {"name", FieldText(*rows, "NOMETERC")},
                        {"lines", json::array()}});
      last = document;
    }
    orders.back()["lines"].push_back({{"line", static_cast<long>(FieldNumber(*rows, "NUMLINHA"))},
                                      {"article", FieldText(*rows, "ARTIGO")},
                                      {"description", FieldText(*rows, "DESCR")},
                                      {"unit", FieldText(*rows, "UNIDADE")},
                                      {"warehouse", FieldText(*rows, "ARMAZEM")},
                                      {"ordered", FieldNumber(*rows, "QTDINTRO")},
                                      {"pending", FieldNumber(*rows, "QUANT")}});
  }
  return orders;
}

}  // namespace pellora::terminal
