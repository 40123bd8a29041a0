#include "app/desk/company_views.h"

#include "solucao/chooser_query.h"

namespace pellora::desk {
namespace {

// The kind of third party the cancelling operation gives the chooser: every set is listed.
constexpr int16_t kEveryThirdParty = 3;

constexpr char kDocumentsSql[] =
    "SELECT C.TPDOC AS [Tipo], C.SERIE AS [Série], C.NNUMDOC AS [Número], C.ANO AS [Ano], "
    "CONVERT(NVARCHAR(10), C.DATA, 120) AS [Data], C.TERCEIRO AS [Terceiro], C.NOME AS [Nome] "
    "FROM DOCGCCAB AS C, oru_PARAMETROSEXP AS P "
    "WHERE C.TPDOC IN (P.INVENTDOC, P.QUEBRADOC, P.SOBRADOC, P.TRANSFDOC) OR C.ORIGEM = 3 "
    "ORDER BY C.DateNew DESC, C.HOURNEW DESC, C.NNUMDOC DESC";

}  // namespace

CompanyViews ReadCompanyViews(const app::CommandContext& context) {
  DataAccessPtr data_access = context.OpenCompany();
  std::shared_ptr<Connection> connection;
  data_access->GetConnection(connection);
  CompanyViews views;
  views.pending_sets = common::ReadSelectionGrid(
      *connection->Execute(ChooserSql("", ChooserMovementFilter("X"), kEveryThirdParty)));
  views.documents = common::ReadSelectionGrid(*connection->Execute(kDocumentsSql));
  data_access->CloseConnection();
  return views;
}

}  // namespace pellora::desk
