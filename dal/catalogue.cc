// The host's catalogue tables, each read with an optional filter and ordering.

#include <string_view>

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/query.h"

namespace pellora {
namespace {

// Select list and table fragment on one line, then "WHERE   " + filter and "ORDER BY   " +
// order when given. Nothing is put between the filter and ORDER BY: callers that pass both end
// their filter with a quote or a blank.
RecordsetPtr CatalogueGet(std::string_view name, std::string_view select_list,
                          std::string_view table, const std::string& filter,
                          const std::string& order) {
  return ComandosTrap(name, [&] {
    std::string sql = std::string(select_list) + std::string(table);
    if (!filter.empty()) sql += "WHERE   " + filter;
    if (!order.empty()) sql += "ORDER BY   " + order;
    return OpenQuery(sql);
  });
}

constexpr std::string_view kAll = "SELECT   * ";
constexpr std::string_view kCodeAndName = "SELECT   CODIGO, NOME ";

}  // namespace

RecordsetPtr HlpDb_ArmazensGet(std::string filter, std::string order) {
  return CatalogueGet("HlpDb_ArmazensGet", kAll, "FROM     ARMAZENS ", filter, order);
}

RecordsetPtr HlpDb_ArtigosGet(std::string filter, std::string order) {
  return CatalogueGet("HlpDb_ArtigosGet", kAll, "FROM     ARTIGOS ", filter, order);
}

RecordsetPtr HlpDb_TiposDocumentosGet(std::string filter, std::string order) {
  return CatalogueGet("HlpDb_TiposDocumentosGet", kAll, "FROM     TPDOC ", filter, order);
}

RecordsetPtr HlpDb_SectoresGet(std::string filter, std::string order) {
  return CatalogueGet("HlpDb_SectoresGet", kAll, "FROM     SECTORES ", filter, order);
}

RecordsetPtr HlpDb_SeriesGet(std::string filter, std::string order) {
  return CatalogueGet("HlpDb_SeriesGet", kAll, "FROM     NOMSERIE ", filter, order);
}

RecordsetPtr HlpDb_ClientesReduzidoGet(std::string filter, std::string order) {
  return CatalogueGet("HlpDb_ClientesReduzidoGet", kCodeAndName, "FROM     CLIENTES ", filter,
                      order);
}

RecordsetPtr HlpDb_ClientesGet(std::string filter, std::string order) {
  return CatalogueGet("HlpDb_ClientesGet", kAll, "FROM     CLIENTES ", filter, order);
}

RecordsetPtr HlpDb_FornecedoresReduzidoGet(std::string filter, std::string order) {
  return CatalogueGet("HlpDb_FornecedoresReduzidoGet", kCodeAndName, "FROM     FORNEC ", filter,
                      order);
}

RecordsetPtr HlpDb_FornecedoresGet(std::string filter, std::string order) {
  return CatalogueGet("HlpDb_FornecedoresGet", kAll, "FROM     FORNEC ", filter, order);
}

}  // namespace pellora
