#include "app/demo_content.h"

namespace pellora::app {
namespace {

// Quantity still to deliver on open orders of one type, per article and warehouse of ARTARM.
std::string OpenOrderQuantity(const char* order_type) {
  return std::string(
             "COALESCE((SELECT SUM(L.QUANT) FROM DOCGCLIN AS L JOIN DOCGCCAB AS C "
             "ON C.TPDOC = L.TPDOCUM AND C.SERIE = L.SERIE AND C.ANO = L.ANO "
             "AND C.NNUMDOC = L.NNUMDOC "
             "WHERE C.TPDOC = '") +
         order_type +
         "' AND C.[CONVERT] = 0 AND C.NVIAS <> -1 AND L.LINANU = 0 "
         "AND L.ARTIGO = ARTARM.ARTIGO AND L.ARMAZEM = ARTARM.ARMAZEM), 0)";
}

}  // namespace

void UpdateDerivedTotals(DemoRun& run) {
  run.db.Execute("UPDATE ARTARM SET ARMENCCL = " + OpenOrderQuantity("ECL") +
                 ", ARMENCFO = " + OpenOrderQuantity("EFO") + ";");
  run.db.Execute(
      "UPDATE ARTIGOS SET "
      "STDISP = (SELECT SUM(EXISTENC) FROM ARTARM WHERE ARTIGO = ARTIGOS.CODIGO), "
      "VLREXIST = (SELECT SUM(VLREXIST) FROM ARTARM WHERE ARTIGO = ARTIGOS.CODIGO), "
      "TOTENCCL = (SELECT SUM(ARMENCCL) FROM ARTARM WHERE ARTIGO = ARTIGOS.CODIGO), "
      "TOTENCFO = (SELECT SUM(ARMENCFO) FROM ARTARM WHERE ARTIGO = ARTIGOS.CODIGO);"
      "UPDATE ARTIGOS SET PCM = CASE WHEN STDISP > 0 AND VLREXIST > 0 "
      "THEN ROUND(VLREXIST / STDISP, 4) ELSE ULTPRCOM END;"
      "UPDATE DOCGCCAB SET TOTAL = (SELECT COALESCE(SUM(TOTLIQ), 0) FROM DOCGCLIN AS L "
      "WHERE L.TPDOCUM = DOCGCCAB.TPDOC AND L.SERIE = DOCGCCAB.SERIE AND L.ANO = DOCGCCAB.ANO "
      "AND L.NNUMDOC = DOCGCCAB.NNUMDOC);");
}

}  // namespace pellora::app
