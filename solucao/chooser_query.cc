#include "solucao/chooser_query.h"

#include "runtime/text.h"

namespace pellora {
namespace {

constexpr char kCrLf[] = "\r\n";

const char* const kSelectAndJoins[] = {
    "SELECT      DISTINCT",
    "LT.[TerminalId] +'|'+LT.[DataSync]     AS Id",
    ",LT.[TerminalId]                        AS Terminal",
    ",SUBSTRING(LT.[DataSync],7,2) +'-'+",
    "SUBSTRING(LT.[DataSync],5,2) +'-'+",
    "SUBSTRING(LT.[DataSync],1,4) +' '+",
    "SUBSTRING(LT.[DataSync],9,2) +':'+",
    "SUBSTRING(LT.[DataSync],11, 2)         As Leitura",
    ",LT.[Terceiro]                          AS Terceiro",
    ",CASE",
    "WHEN LT.[Tpterc]=1 THEN FO.[NOME]",
    "WHEN LT.[Tpterc]=2 THEN CL.[NOME]",
    "Else ''",
    "END                                    As Nome",
    ",CASE",
    "WHEN LT.[TpDoc]='' THEN ''",
    "ELSE LT.[TpDoc] + '-' +",
    "LT.[Serie] + '-' +",
    "CONVERT(NVARCHAR(8),LT.[Numero]) + '-' +",
    "CONVERT(NVARCHAR(4),LT.[Ano])",
    "END                                    As [Doc. Origem]",
    "FROM      [oru_ARM_Picking_Movimentos] AS LT",
    "LEFT OUTER JOIN CLIENTES AS CL",
    "ON CL.CODIGO = LT.Terceiro",
    "LEFT OUTER JOIN FORNEC AS FO",
    "ON FO.CODIGO = LT.Terceiro",
};

constexpr char kPendingOnly[] =
    "(COALESCE(LT.Dest_TpDoc,'')='') AND (COALESCE(LT.Dest_Serie,'')='')";

}  // namespace

std::string ChooserMovementFilter(const std::string& movement_code) {
  return movement_code == "P" ? "I" : movement_code;
}

std::string ChooserSql(const std::string& third_party, const std::string& movement_filter,
                       int16_t kind) {
  std::string sql;
  for (const char* line : kSelectAndJoins) sql.append(line).append(kCrLf);
  if (movement_filter == "X") {
    sql += std::string("WHERE     (LT.[Estado]=0) AND") + kCrLf;
    sql += std::string(kPendingOnly) + kCrLf;
  } else {
    sql += "WHERE     (LT.[Estado]=0) AND (LT.[TipoMov] ='" + QuoteEscape(movement_filter) +
           "') AND (LT.[Tpterc] is null or LT.[Tpterc] =" + std::to_string(kind) + ") AND" + kCrLf;
    sql += std::string(kPendingOnly) + kCrLf;
    if (!third_party.empty()) {
      sql += "AND (LT.[Terceiro]='" + QuoteEscape(third_party) + "' )" + kCrLf;
    }
  }
  sql += std::string("ORDER BY  Leitura") + kCrLf;
  return sql;
}

std::string ChooserTitle(const std::string& movement_filter) {
  return movement_filter == "X" ? "Selecção de Documentos a Anular"
                                : "Selecção de Documentos a Importar";
}

}  // namespace pellora
