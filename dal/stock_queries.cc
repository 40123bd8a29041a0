// Host stock of one article in one warehouse: movements in a time window, serial numbers.

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/query.h"
#include "dal/sql_text.h"

namespace pellora {

RecordsetPtr HlpDb_MovimentosEntreDatasGet(const std::string& article, const std::string& warehouse,
                                           const std::string& from, const std::string& to) {
  return ComandosTrap("HlpDb_MovimentosEntreDatasGet", [&] {
    // The header's last change, "yyyyMMdd" + "HH:mm:ss", compared as text with the bounds.
    const std::string changed =
        "REPLACE(convert(varchar(10),docgccab.DateUpd,120),'-','')+docgccab.HourUpd";
    // Each line's quantity in the article's base unit, as the host moves its stock: a factor of
    // 0 or none counts as 1.
    const std::string in_base_unit = "DOCGCLIN.QUANT*ISNULL(NULLIF(DOCGCLIN.FACTOR,0),1) ";
    const std::string indent(25, ' ');
    return OpenQuery(SqlLines({
        " SELECT ",
        "         SUM(CASE ",
        "                 WHEN DOCGCCAB.TPFSTC=2 THEN -" + in_base_unit,
        "                 ELSE                         " + in_base_unit,
        "              END)        AS ENTRADASSAIDAS ",
        " FROM    DOCGCCAB ",
        "              INNER JOIN DOCGCLIN ",
        "                 ON DOCGCCAB.NNUMDOC = DOCGCLIN.NNUMDOC AND DOCGCCAB.TPDOC = "
        "DOCGCLIN.TPDOCUM AND ",
        "                    DOCGCCAB.SERIE = DOCGCLIN.SERIE AND DOCGCCAB.Ano = DOCGCLIN.Ano ",
        " WHERE   (DOCGCCAB.NVIAS <> - 1) AND ",
        indent + "(DOCGCCAB.TPDOC <> 'zzz') AND ",
        indent + "(DOCGCCAB.AREAG = 4) AND ",
        indent + "(DOCGCCAB.HOURNEW <> '') AND ",
        indent + "(DOCGCLIN.ARTIGO ='" + QuotesDoubled(article) + "') AND ",
        indent + "(DOCGCLIN.ARMAZEM ='" + QuotesDoubled(warehouse) + "') AND ",
        indent + "(" + changed + " >='" + QuotesDoubled(from) + "') AND ",
        indent + "(" + changed + " <='" + QuotesDoubled(to) + "') ",
        std::string(11, ' '),
    }));
  });
}

RecordsetPtr HlpDb_NumerosSerieGet(std::string article, std::string warehouse) {
  return ComandosTrap("HlpDb_NumerosSerieGet", [&] {
    return OpenQuery(
        SqlLines({"SELECT [ARMAZEM],[ARTIGO],[NUMSER] FROM [NSEREXIS] WHERE ARTIGO ='" +
                  QuotesDoubled(article) + "' AND ARMAZEM = '" + QuotesDoubled(warehouse) + "' "}));
  });
}

}  // namespace pellora
