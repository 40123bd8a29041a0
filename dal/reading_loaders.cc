// The three loaders of readings, each in the shape one kind of import needs.

#include <string_view>
#include <vector>

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/detached_copy.h"
#include "dal/inventory_merge.h"
#include "dal/query.h"
#include "dal/reading_lists.h"
#include "dal/sql_text.h"

namespace pellora {
namespace {

using SelectList = std::vector<std::string_view>;

const SelectList kReadingHead = {"MO.[TerminalId]", "MO.[Data]", "MO.[NumeroLinha]"};
const SelectList kOriginalDocument = {"MO.[TpDoc] AS DocOrigTipo", "MO.[Serie] AS DocOrigSerie",
                                      "MO.[Numero] AS DocOrigNumero", "MO.[Ano] AS DocOrigAno"};
// For documents a reading without original document gives '' and 0 instead of NULL.
const SelectList kOriginalDocumentOrBlank = {
    "COALESCE(MO.[TpDoc],'') AS DocOrigTipo", "COALESCE(MO.[Serie],'') AS DocOrigSerie",
    "COALESCE(MO.[Numero],0) AS DocOrigNumero", "COALESCE(MO.[Ano],0) AS DocOrigAno"};
const SelectList kMovementAndArticle = {"MO.[TipoMov]", "MO.[Tpterc]", "MO.[Terceiro]",
                                        "MO.[Artigo]"};
const SelectList kArticleUnits = {"AR.[UNEMB] AS UnEmbalagem", "AR.[UNTRANS] AS UnTransporte",
                                  "AR.[FACTEMB] AS FactorEmbalagem",
                                  "AR.[FACTTRA] AS FactorTransporte"};

SelectList Joined(std::initializer_list<SelectList> parts) {
  SelectList joined;
  for (const SelectList& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

// One row per reading, for documents (original document blanked, with ULTPRCBR) or for the
// initial inventory of one set (original document as stored, no ULTPRCBR).
SelectList SingleReadings(bool for_documents) {
  SelectList gross_price;
  if (for_documents) gross_price = {"AR.[ULTPRCBR] AS ULTPRCBR"};
  return Joined({kReadingHead,
                 for_documents ? kOriginalDocumentOrBlank : kOriginalDocument,
                 kMovementAndArticle,
                 {"AR.[NOME] AS ArtNome", "MO.[Unidade]", "MO.[Armazem]", "MO.[NumeroSerie]",
                  "MO.[NossoLote]", "MO.[VossoLote]", "MO.[DataValidade]", "MO.[Quantidade]",
                  "MO.[Quantidade] AS EntMaisSaidas", "MO.[Quantidade] AS EntSaiMaisExt",
                  "MO.[Estado]", "MO.[Localizacao]", "MO.[Ordenaca]", "MO.[TpLinha]",
                  "MO.[PrecoUnitario] AS PrecoUnitario", "ISNULL(AM.[EXISTENC],0) AS StockArm",
                  "ISNULL(AR.[ULTPRCOM],0) AS UltPrCom", "AR.[ULTPRCOM] AS PrUnitCalculado"},
                 gross_price,
                 {"AR.[PVPSIVA] AS PrVenda", "ISNULL(AR.[STDISP],0) AS StockTot",
                  "AR.[VLREXIST] AS ValExistencia"},
                 kArticleUnits});
}

// One row per article line key, for the initial inventory of several sets.
const SelectList kReadingsPerArticle = {"MAX(MO.[TerminalId]) AS TerminalId",
                                        "MAX(MO.[Data] ) AS Data",
                                        "MAX(MO.[NumeroLinha] ) AS NumeroLinha",
                                        "MAX(MO.[TpDoc]) AS DocOrigTipo",
                                        "MAX(MO.[Serie]) AS DocOrigSerie",
                                        "MAX(MO.[Numero]) AS DocOrigNumero",
                                        "MAX(MO.[Ano]) AS DocOrigAno",
                                        "MAX(MO.[TipoMov]) AS TipoMov",
                                        "MAX(MO.[Tpterc] ) AS TpTerc",
                                        "MAX(MO.[Terceiro] ) AS Terceiro",
                                        "MO.[Artigo]",
                                        "AR.[NOME] AS ArtNome",
                                        "MO.[Unidade]",
                                        "MO.[Armazem]",
                                        "MO.[NumeroSerie]",
                                        "MO.[NossoLote]",
                                        "MO.[VossoLote]",
                                        "MO.[DataValidade]",
                                        "SUM(MO.[Quantidade]) AS Quantidade",
                                        "SUM(MO.[Quantidade]) AS EntMaisSaidas",
                                        "SUM(MO.[Quantidade]) AS EntSaiMaisExt",
                                        "MAX(MO.[Estado]) AS Estado",
                                        "MAX(MO.[Localizacao] ) AS Localizacao",
                                        "MAX(MO.[Ordenaca] ) AS Ordenacao",
                                        "MAX(MO.[TpLinha] ) AS TpLinha",
                                        "MAX(MO.[PrecoUnitario]) AS PrecoUnitario",
                                        "MAX(AM.[EXISTENC]) AS StockArm",
                                        "MAX(AR.[ULTPRCOM]) AS UltPrCom",
                                        "MAX(AR.[ULTPRCOM]) AS PrUnitCalculado",
                                        "MAX(AR.[PVPSIVA]) AS PrVenda",
                                        "MAX(AR.[VLREXIST]) AS ValExistencia",
                                        "MAX(AR.[STDISP]) AS StockTot",
                                        "MAX(AR.[UNEMB]) AS UnEmbalagem",
                                        "MAX(AR.[UNTRANS]) AS UnTransporte",
                                        "MAX(AR.[FACTEMB]) AS FactorEmbalagem",
                                        "MAX(AR.[FACTTRA]) AS FactorTransporte"};

// One row per reading, for an inventory adjustment.
SelectList InventoryReadings() {
  return Joined({kReadingHead,
                 kOriginalDocument,
                 kMovementAndArticle,
                 {"MO.[Unidade]",
                  "MO.[Quantidade]",
                  "MO.[Ordenaca]",
                  "MO.[TpLinha]",
                  "MO.[Quantidade] AS EntMaisSaidas",
                  "MO.[Quantidade] AS EntSaiMaisExt",
                  "MO.[NumeroSerie]",
                  "MO.[Armazem]",
                  "MO.[Estado]",
                  "MO.[NossoLote]",
                  "MO.[VossoLote]",
                  "MO.[DataValidade]",
                  "MO.[Localizacao]",
                  "ISNULL(MO.[PrecoUnitario],0) AS PrecoUnitario",
                  "ISNULL(AM.[EXISTENC],0) AS StockArm",
                  "ISNULL(AR.[ULTPRCOM],0) AS UltPrCom",
                  "ISNULL(AR.[STDISP],0) AS StockTot",
                  "AR.[ULTPRCOM] AS PrUnitCalculado",
                  "AR.[PVPSIVA] AS PrVenda",
                  "AR.[VLREXIST] AS ValExistencia"},
                 kArticleUnits});
}

// The select list one item a line, the readings joined to the article tables, the pending
// readings of the chosen sets, and the closing line (ORDER BY or GROUP BY) when there is one.
std::string LoaderSql(const SelectList& select, const std::string& sets, std::string_view tail) {
  std::string sql;
  for (std::string_view item : select) {
    sql += SqlLines({(sql.empty() ? "SELECT    " : "          ,") + std::string(item) + " "});
  }
  sql += SqlLines({"FROM  [oru_ARM_Picking_Movimentos] AS MO ",
                   "        LEFT OUTER JOIN [ARTARM] AS AM ",
                   "            ON AM.ARMAZEM = MO.Armazem AND AM.ARTIGO = MO.Artigo ",
                   "        LEFT OUTER JOIN [ARTIGOS] AS AR ",
                   "            ON AR.CODIGO = MO.Artigo ", "WHERE " + sets + " AND Estado = 0 "});
  if (!tail.empty()) sql += SqlLines({std::string(tail)});
  return sql;
}

}  // namespace

RecordsetPtr HlpDb_LeiturasConjuntoParaDocumGet(bool so_um, const ChosenSets& sets) {
  return ComandosTrap("HlpDb_LeiturasConjuntoParaDocumGet", [&] {
    // Always every chosen set; one set is read in line order, several grouped per original
    // document.
    return OpenQuery(LoaderSql(SingleReadings(true), sets.InLists(),
                               so_um ? "ORDER BY  MO.[NumeroLinha] "
                                     : "ORDER BY  MO.[DataSync], MO.[TpDoc], MO.[Serie], "
                                       "MO.[Numero], MO.[Ano], MO.[NumeroLinha] "));
  });
}

RecordsetPtr HlpDb_LeiturasConjuntoGet(bool so_um, const ChosenSets& sets) {
  return ComandosTrap("HlpDb_LeiturasConjuntoGet", [&] {
    if (so_um) {
      return OpenQuery(
          LoaderSql(SingleReadings(false), sets.First(), "ORDER BY  MO.[NumeroLinha] "));
    }
    RecordsetPtr grouped = OpenQuery(
        LoaderSql(kReadingsPerArticle, sets.InLists(),
                  "GROUP BY   MO.[Artigo] ,AR.[NOME] ,MO.[Unidade] ,MO.[Armazem] ,MO.[NumeroSerie] "
                  ",MO.[NossoLote] ,MO.[VossoLote] ,MO.[DataValidade] "));
    return DetachedCopy(ObjectOf(grouped));
  });
}

RecordsetPtr HlpDb_LeiturasConjuntoParaAcInventarioGet(bool so_um, const ChosenSets& sets) {
  return ComandosTrap("HlpDb_LeiturasConjuntoParaAcInventarioGet", [&] {
    if (so_um) {
      return OpenQuery(LoaderSql(InventoryReadings(), sets.First(), "ORDER BY  MO.[Ordenaca] "));
    }
    RecordsetPtr readings = OpenQuery(LoaderSql(InventoryReadings(), sets.InLists(), ""));
    return MergeInventoryReadings(ObjectOf(readings));
  });
}

}  // namespace pellora
