#ifndef PELLORA_TESTS_STOCK_AGREEMENT_H_
#define PELLORA_TESTS_STOCK_AGREEMENT_H_

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/company_database.h"

namespace pellora::testing {

// What each stock-moving document line moves, in the article's base unit and signed, per
// warehouse: an entry adds at the line's warehouse, an exit takes from it, a transfer takes from
// it and adds at the destination (the header's third party).
constexpr const char* kStockMovedPerLine =
    "WITH line AS (SELECT l.TPDOCUM, l.SERIE, l.ANO, l.NNUMDOC, l.NUMLINHA, l.ARTIGO, "
    "l.ARMAZEM, l.QUANT * COALESCE(NULLIF(l.FACTOR, 0), 1) AS MOVED, t.TPFSTC, c.TERCEIRO "
    "FROM DOCGCLIN l JOIN DOCGCCAB c ON c.TPDOC = l.TPDOCUM AND c.SERIE = l.SERIE AND "
    "c.ANO = l.ANO AND c.NNUMDOC = l.NNUMDOC JOIN TPDOC t ON t.CODIGO = c.TPDOC "
    "WHERE t.TPFSTC IN (1, 2, 3)), "
    "moved AS (SELECT TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ARTIGO, ARMAZEM, "
    "CASE TPFSTC WHEN 1 THEN MOVED ELSE -MOVED END AS QUANT FROM line "
    "UNION ALL SELECT TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ARTIGO, TERCEIRO, MOVED FROM line "
    "WHERE TPFSTC = 3) ";

// Lot and serial-number movements that disagree with the stock their document lines move, one
// row per disagreement: every line that records lots moves, in each warehouse, exactly the sum of
// its lots there; every line that records serial numbers moves one unit per number. Empty when
// the company agrees.
// `rows` gives the rows of a query on the company, whichever engine holds it.
inline std::vector<std::string> StockDisagreements(
    const std::function<std::vector<std::string>(const std::string&)>& rows_of) {
  std::vector<std::string> rows = rows_of(
      std::string(kStockMovedPerLine) +
      ", lots AS (SELECT TPDOC, SERIE, ANO, NNUMDOC, NUMLINHA, ARTIGO, ARMAZEM, SUM(QUANT) "
      "AS QUANT FROM LOTESMOV GROUP BY TPDOC, SERIE, ANO, NNUMDOC, NUMLINHA, ARTIGO, ARMAZEM),"
      " lot_lines AS (SELECT DISTINCT TPDOC, SERIE, ANO, NNUMDOC, NUMLINHA FROM LOTESMOV) "
      "SELECT 'lote', m.TPDOCUM, m.SERIE, m.NNUMDOC, m.NUMLINHA, m.ARTIGO, m.ARMAZEM, "
      "m.QUANT, COALESCE(s.QUANT, 0) FROM moved m "
      "JOIN lot_lines k ON k.TPDOC = m.TPDOCUM AND k.SERIE = m.SERIE AND k.ANO = m.ANO AND "
      "k.NNUMDOC = m.NNUMDOC AND k.NUMLINHA = m.NUMLINHA "
      "LEFT JOIN lots s ON s.TPDOC = m.TPDOCUM AND s.SERIE = m.SERIE AND s.ANO = m.ANO AND "
      "s.NNUMDOC = m.NNUMDOC AND s.NUMLINHA = m.NUMLINHA AND s.ARMAZEM = m.ARMAZEM "
      "WHERE ABS(m.QUANT - COALESCE(s.QUANT, 0)) > 1e-9 "
      "UNION ALL SELECT 'lote sem linha', s.TPDOC, s.SERIE, s.NNUMDOC, s.NUMLINHA, s.ARTIGO, "
      "s.ARMAZEM, NULL, s.QUANT FROM lots s JOIN TPDOC t ON t.CODIGO = s.TPDOC "
      "WHERE t.TPFSTC IN (1, 2, 3) AND NOT EXISTS (SELECT 1 FROM moved m WHERE "
      "m.TPDOCUM = s.TPDOC AND m.SERIE = s.SERIE AND m.ANO = s.ANO AND "
      "m.NNUMDOC = s.NNUMDOC AND m.NUMLINHA = s.NUMLINHA AND m.ARMAZEM = s.ARMAZEM)");
  const std::vector<std::string> serials = rows_of(
      "SELECT 'série', l.TPDOCUM, l.SERIE, l.NNUMDOC, l.NUMLINHA, l.ARTIGO, l.ARMAZEM, "
      "ABS(l.QUANT * COALESCE(NULLIF(l.FACTOR, 0), 1)), COUNT(*) FROM DOCGCLIN l "
      "JOIN NSERMOV n ON n.TPDOC = l.TPDOCUM AND n.SERIE = l.SERIE AND n.ANO = l.ANO AND "
      "n.NNUMDOC = l.NNUMDOC AND n.NUMLINHA = l.NUMLINHA JOIN TPDOC t ON t.CODIGO = l.TPDOCUM "
      "WHERE t.TPFSTC IN (1, 2, 3) GROUP BY l.TPDOCUM, l.SERIE, l.ANO, l.NNUMDOC, l.NUMLINHA, "
      "l.ARTIGO, l.ARMAZEM, l.QUANT, l.FACTOR "
      "HAVING ABS(ABS(l.QUANT * COALESCE(NULLIF(l.FACTOR, 0), 1)) - COUNT(*)) > 1e-9");
  rows.insert(rows.end(), serials.begin(), serials.end());
  return rows;
}

inline std::vector<std::string> StockDisagreements(const std::filesystem::path& company_file) {
  return StockDisagreements([&](const std::string& sql) { return RowsOnFile(company_file, sql); });
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_STOCK_AGREEMENT_H_
