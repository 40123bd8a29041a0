// Settlement of the original customer-order lines that an import has served.

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/query.h"
#include "dal/sql_text.h"

namespace pellora {
namespace {

std::string Text(Recordset& row, const char* name) {
  return FieldQuotesDoubled(row[name].Value());
}
std::string Number(Recordset& row, const char* name) {
  return SqlNumber(row[name].Value());
}

// The line keeps QUANT; QTDORIG comes off the article's and the warehouse's ordered totals.
std::string SettleLineSql(Recordset& line) {
  return SqlLines({"UPDATE   DOCGCLIN  ", "SET      QUANT = " + Number(line, "QUANT") + "  ",
                   "WHERE    TPDOCUM='" + Text(line, "TPDOCUM") +
                       "' AND NNUMDOC=" + Number(line, "NNUMDOC") + " AND SERIE ='" +
                       Text(line, "SERIE") + "' AND ANO =" + Number(line, "ANO") +
                       " AND NUMLINHA =" + Number(line, "NUMLINHA") + " ",
                   ";  ", "UPDATE   ARTIGOS  ",
                   "SET      TOTENCCL = TOTENCCL - " + Number(line, "QTDORIG") + "  ",
                   "WHERE    CODIGO='" + Text(line, "ARTIGO") + "' ", ";  ", "UPDATE   ARTARM  ",
                   "SET      ARMENCCL = ARMENCCL - " + Number(line, "QTDORIG") + "  ",
                   "WHERE    ARTIGO='" + Text(line, "ARTIGO") + "' AND ARMAZEM='" +
                       Text(line, "ARMAZEM") + "'"});
}

// Marks the order of `line` converted when none of its lines keeps a quantity.
std::string CloseOrderSql(Recordset& line) {
  const std::string blank(33, ' ');
  return SqlLines(
      {"DECLARE   @QTT FLOAT             ", blank, "SELECT    @QTT=SUM(QUANT)        ",
       "FROM      DOCGCLIN               ",
       "WHERE     TPDOCUM='" + Text(line, "TPDOCUM") + "' AND NNUMDOC=" + Number(line, "NNUMDOC") +
           " AND SERIE ='" + Text(line, "SERIE") + "' AND ANO =" + Number(line, "ANO") + " ",
       blank, "SELECT    @QTT=COALESCE(@QTT,0)  ", blank, "IF (@QTT=0)                      ",
       "BEGIN                            ", " UPDATE  DOCGCCAB                ",
       " SET [CONVERT] = -1              ",
       "WHERE    TPDOC ='" + Text(line, "TPDOCUM") + "' AND SERIE ='" + Text(line, "SERIE") +
           "' AND ANO =" + Number(line, "ANO") + " AND NNUMDOC=" + Number(line, "NNUMDOC") + " ",
       "END                              ", blank});
}

}  // namespace

void HlpDb_DocOrigQuantidadesSet(const RecordsetPtr& /*headers*/, const RecordsetPtr& lines) {
  ComandosTrap("HlpDb_DocOrigQuantidadesSet", [&] {
    Recordset& order_lines = ObjectOf(lines);
    if (order_lines.RecordCount() == 0) return;
    // One batch per line, each sent on its own: a failing line leaves the earlier ones settled.
    order_lines.MoveFirst();
    while (!order_lines.Eof()) {
      RunCommand(SettleLineSql(order_lines));
      order_lines.MoveNext();
    }
    // Only the order of the first line is checked.
    order_lines.MoveFirst();
    RunCommand(CloseOrderSql(order_lines));
  });
}

}  // namespace pellora
