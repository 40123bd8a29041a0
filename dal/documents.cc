// Queries on one host document, by its key (type, number, series, year).

#include <string_view>

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/query.h"
#include "dal/sql_text.h"

namespace pellora {
namespace {

// "<type column>='type' AND <number column>=number AND SERIE ='series' AND ANO =year ".
std::string KeyCondition(std::string_view type_column, std::string_view number_column,
                         const std::string& type, int32_t number, const std::string& series,
                         int16_t year) {
  return std::string(type_column) + "='" + QuotesDoubled(type) + "' AND " +
         std::string(number_column) + "=" + SqlNumber(number) + " AND SERIE ='" +
         QuotesDoubled(series) + "' AND ANO =" + SqlNumber(year) + " ";
}

}  // namespace

RecordsetPtr HlpDb_DocGcCab(const std::string& type, int32_t number, const std::string& series,
                            int16_t year) {
  return ComandosTrap("HlpDb_DocGcCab", [&] {
    return OpenQuery(
        SqlLines({"SELECT     * ", "FROM       [DOCGCCAB] ",
                  "WHERE      " + KeyCondition("TPDOC", "NNUMDOC", type, number, series, year)}));
  });
}

RecordsetPtr HlpDb_DocGcCabCpLivresGet(const std::string& type, int32_t number,
                                       const std::string& series, int16_t year) {
  return ComandosTrap("HlpDb_DocGcCabCpLivresGet", [&] {
    return OpenQuery(
        SqlLines({"SELECT     * ", "FROM       [CLDOCGC] ",
                  "WHERE      " + KeyCondition("TIPODOC", "NDOC", type, number, series, year)}));
  });
}

RecordsetPtr HlpDb_DocGcLin(const std::string& type, int32_t number, const std::string& series,
                            int16_t year) {
  return ComandosTrap("HlpDb_DocGcLin", [&] {
    return OpenQuery(
        SqlLines({"SELECT     * ", "FROM       [DOCGCLIN] ",
                  "WHERE      " + KeyCondition("TPDOCUM", "NNUMDOC", type, number, series, year) +
                      "AND LINANU = 0 ",
                  "ORDER BY   ORDENACA "}));
  });
}

void HlpDb_DocGcCabCpLivresSave(RecordsetPtr& free_fields) {
  ComandosTrap("HlpDb_DocGcCabCpLivresSave", [&] { SaveChanges(free_fields); });
}

}  // namespace pellora
