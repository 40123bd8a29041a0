#include "app/desk/company_views.h"

#include <map>
#include <string>
#include <unordered_map>

#include "solucao/chooser_query.h"

namespace pellora::desk {
namespace {

// The kind of third party the cancelling operation gives the chooser: every set is listed.
constexpr int16_t kEveryThirdParty = 3;

constexpr char kDocumentsSql[] =
    "SELECT C.TPDOC AS [Tipo], C.SERIE AS [Série], C.NNUMDOC AS [Número], C.ANO AS [Ano], "
    "C.DATA AS [Data], C.TERCEIRO AS [Terceiro], C.NOME AS [Nome] "
    "FROM DOCGCCAB AS C, oru_PARAMETROSEXP AS P "
    "WHERE C.TPDOC IN (P.INVENTDOC, P.QUEBRADOC, P.SOBRADOC, P.TRANSFDOC) OR C.ORIGEM = 3 "
    "ORDER BY C.DateNew DESC, C.HOURNEW DESC, C.NNUMDOC DESC";

// The movement kinds of each pending set's readings, by the set's Id as the chooser gives it.
constexpr char kKindsSql[] =
    "SELECT DISTINCT LT.[TerminalId] +'|'+LT.[DataSync] AS Id, LT.[TipoMov] AS TipoMov "
    "FROM [oru_ARM_Picking_Movimentos] AS LT "
    "WHERE (LT.[Estado]=0) AND (COALESCE(LT.Dest_TpDoc,'')='') AND "
    "(COALESCE(LT.Dest_Serie,'')='') ORDER BY Id, TipoMov";

// The newest reading ever written and how many are pending: an arrival raises the first, an
// import or a cancelling lowers the second.
constexpr char kNewestReadingSql[] = "SELECT MAX(Id) FROM [oru_ARM_Picking_Movimentos]";
constexpr char kPendingCountSql[] =
    "SELECT COUNT(*) FROM [oru_ARM_Picking_Movimentos] WHERE [Estado]=0";

std::string KindName(const std::string& code) {
  static const std::map<std::string, std::string> kNames = {
      {"E", "Entrada"},       {"S", "Saída"}, {"I", "Inventário"}, {"A", "Acerto de inventário"},
      {"T", "Transferência"},
  };
  auto name = kNames.find(code);
  return name == kNames.end() ? code : name->second;
}

// Adds the column "Movimento" after the Id of every pending set.
void AddKinds(Connection& connection, common::SelectionGrid& sets) {
  std::unordered_map<std::string, std::string> kinds;
  for (const auto& row : common::ReadSelectionGrid(*connection.Execute(kKindsSql)).rows) {
    std::string& names = kinds[row[0]];
    names += (names.empty() ? "" : ", ") + KindName(row[1]);
  }
  sets.columns.insert(sets.columns.begin() + 1, common::SelectionGridColumn("Movimento"));
  for (auto& row : sets.rows) row.insert(row.begin() + 1, kinds[row.front()]);
}

}  // namespace

std::string ReadPendingStamp(Connection& connection) {
  std::string stamp;
  for (const char* sql : {kNewestReadingSql, kPendingCountSql}) {
    stamp += common::ReadSelectionGrid(*connection.Execute(sql)).rows.at(0).at(0) + "/";
  }
  return stamp;
}

CompanyViews ReadCompanyViews(const app::CommandContext& context) {
  DataAccessPtr data_access = context.OpenCompany();
  std::shared_ptr<Connection> connection;
  data_access->GetConnection(connection);
  CompanyViews views;
  // Before the lists: a set arriving meanwhile makes the next look read them again.
  views.pending_stamp = ReadPendingStamp(*connection);
  views.pending_sets = common::ReadSelectionGrid(
      *connection->Execute(ChooserSql("", ChooserMovementFilter("X"), kEveryThirdParty)));
  AddKinds(*connection, views.pending_sets);
  views.documents = common::ReadSelectionGrid(*connection->Execute(kDocumentsSql));
  data_access->CloseConnection();
  return views;
}

}  // namespace pellora::desk
