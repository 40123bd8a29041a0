// The least work an import of reading sets can do, written straight on the company database
// through a direct connection, the same algorithm on every engine: the readings of the chosen
// sets joined to the article tables as the loaders join them, a document header per 32,767
// lines, one document line per reading (per article, unit, warehouse, serial number and lot for
// an inventory), the stock effect on ARTARM and ARTIGOS, and each reading marked imported;
// prepared statements and one transaction, at the data access's durability.

#ifndef PELLORA_BENCH_DIRECT_IMPORT_H_
#define PELLORA_BENCH_DIRECT_IMPORT_H_

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bench/bench_support.h"
#include "bench/direct_connection.h"

namespace pellora::bench {

// The document the direct import writes: its type and the sign of its stock effect.
struct DirectDocument {
  std::string type;
  int stock_sign = 1;
  std::string third_party;
  // One line per article, warehouse, unit, serial number and lot, as an inventory groups its
  // readings; otherwise one line per reading.
  bool grouped = false;
};

struct DirectReading {
  long long id;
  std::string article, warehouse, unit, name;
  double quantity, price, tax;
  std::string tracking;  // serial number, lots and expiry: readings of one line share it
};

class DirectImport {
 public:
  static constexpr size_t kLinesPerDocument = 32767;

  DirectImport(DirectConnection& db, const SetArrays& sets, DirectDocument document)
      : db_(db), sets_(sets), document_(std::move(document)) {}

  // Imports the pending readings of the sets; answers the lines written.
  size_t Run() {
    db_.BeginWrite();
    const std::vector<DirectReading> readings = Read();
    const std::vector<DirectReading> lines = document_.grouped ? Grouped(readings) : readings;
    // The host numbers a document's lines in 16 bits: more lines make more documents.
    size_t first = 0;
    do {
      const size_t count = std::min(kLinesPerDocument, lines.size() - first);
      WriteLines(std::span(lines).subspan(first, count), WriteHeader());
      first += count;
    } while (first < lines.size());
    MoveStock(lines);
    Mark(readings);
    db_.Exec("COMMIT");
    return lines.size();
  }

 private:
  std::vector<DirectReading> Read() {
    const std::unique_ptr<DirectStatement> select = db_.Prepare(
        "SELECT MO.Id, MO.Artigo, MO.Armazem, MO.Unidade, MO.Quantidade, AR.NOME, "
        "COALESCE(AR.ULTPRCOM, 0), COALESCE(AR.TAXAIVA, 0), COALESCE(AM.EXISTENC, 0), "
        "COALESCE(AR.STDISP, 0), AR.UNEMB, AR.FACTEMB, AR.UNTRANS, AR.FACTTRA, "
        "COALESCE(MO.NumeroSerie, '') || '|' || COALESCE(MO.NossoLote, '') || '|' || "
        "COALESCE(MO.VossoLote, '') || '|' || COALESCE(MO.DataValidade, '') "
        "FROM oru_ARM_Picking_Movimentos AS MO "
        "LEFT OUTER JOIN ARTARM AS AM "
        "ON AM.ARMAZEM = MO.Armazem AND AM.ARTIGO = MO.Artigo "
        "LEFT OUTER JOIN ARTIGOS AS AR ON AR.CODIGO = MO.Artigo "
        "WHERE " +
        SetsCondition(sets_) +
        " AND Estado = 0 "
        "ORDER BY MO.DataSync, MO.TpDoc, MO.Serie, MO.Numero, MO.Ano, "
        "MO.NumeroLinha");
    std::vector<DirectReading> readings;
    for (DirectStatement& row = *select; row.Step();) {
      readings.push_back(DirectReading{row.Integer(0), row.Text(1), row.Text(2), row.Text(3),
                                       row.Text(5), row.Double(4), row.Double(6), row.Double(7),
                                       row.Text(14)});
    }
    return readings;
  }

  static std::vector<DirectReading> Grouped(const std::vector<DirectReading>& readings) {
    std::map<std::tuple<std::string, std::string, std::string, std::string>, size_t> line_of;
    std::vector<DirectReading> lines;
    for (const DirectReading& r : readings) {
      const auto [at, added] =
          line_of.emplace(std::tuple(r.article, r.warehouse, r.unit, r.tracking), lines.size());
      if (added) {
        lines.push_back(r);
      } else {
        lines[at->second].quantity += r.quantity;
      }
    }
    return lines;
  }

  long long WriteHeader() {
    const std::unique_ptr<DirectStatement> next = db_.Prepare(
        "SELECT COALESCE(MAX(NNUMDOC), 0) + 1 FROM DOCGCCAB WHERE TPDOC = ?1 "
        "AND SERIE = '1' AND ANO = " +
        db_.Year());
    next->Bind(1, document_.type).Step();
    const long long number = next->Integer(0);
    db_.Prepare(
           "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, TERCEIRO, AREAG, "
           "TPOPER, TPFSTC, DateNew, HOURNEW) SELECT CODIGO, '1', " +
           db_.Year() + ", ?2, " + db_.Now() + ", ?3, AREAG, TPOPER, TPFSTC, " + db_.Now() + ", " +
           db_.TimeNow() + " FROM TPDOC WHERE CODIGO = ?1")
        ->Bind(1, document_.type)
        .Bind(2, number)
        .Bind(3, document_.third_party)
        .Run();
    return number;
  }

  void WriteLines(std::span<const DirectReading> readings, long long number) {
    // Each marker stands for one column: PostgreSQL gives a marker one type, and the columns
    // that take the same value (line number and order, quantities, prices) differ in type.
    const std::unique_ptr<DirectStatement> line = db_.Prepare(
        "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARTIGO, DESCR, "
        "ARMAZEM, UNIDADE, QUANT, QTDINTRO, PRUNIT, PRUNITINT, TAXAIVA, TOTLIQ) VALUES (?1, '1', " +
        db_.Year() + ", ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)");
    long long line_number = 0;
    for (const DirectReading& r : readings) {
      ++line_number;
      line->Bind(1, document_.type).Bind(2, number).Bind(3, line_number).Bind(4, line_number);
      line->Bind(5, r.article).Bind(6, r.name).Bind(7, r.warehouse).Bind(8, r.unit);
      line->Bind(9, r.quantity).Bind(10, r.quantity).Bind(11, r.price).Bind(12, r.price);
      line->Bind(13, r.tax).Bind(14, std::round(r.quantity * r.price * 100) / 100).Run();
    }
  }

  // The stock effect of the lines, summed per article and warehouse first: each stock row is
  // written once, as a row written again and again in one transaction slows every later write
  // of it on PostgreSQL (each leaves a version behind until the end).
  void MoveStock(const std::vector<DirectReading>& lines) {
    std::map<std::pair<std::string, std::string>, double> per_warehouse;
    std::map<std::string, double> per_article;
    for (const DirectReading& r : lines) {
      per_warehouse[{r.article, r.warehouse}] += document_.stock_sign * r.quantity;
      per_article[r.article] += document_.stock_sign * r.quantity;
    }
    // One statement whether or not the article was ever in the warehouse, so that no write
    // waits for the answer of another.
    const std::unique_ptr<DirectStatement> warehouse_stock = db_.Prepare(
        "INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC) VALUES (?1, ?2, ?3) "
        "ON CONFLICT (ARTIGO, ARMAZEM) DO UPDATE SET EXISTENC = ARTARM.EXISTENC + "
        "excluded.EXISTENC");
    for (const auto& [where, change] : per_warehouse) {
      warehouse_stock->Bind(1, where.first).Bind(2, where.second).Bind(3, change).Run();
    }
    const std::unique_ptr<DirectStatement> article_stock =
        db_.Prepare("UPDATE ARTIGOS SET STDISP = STDISP + ?1 WHERE CODIGO = ?2");
    for (const auto& [article, change] : per_article) {
      article_stock->Bind(1, change).Bind(2, article).Run();
    }
  }

  void Mark(const std::vector<DirectReading>& readings) {
    const std::unique_ptr<DirectStatement> mark =
        db_.Prepare("UPDATE oru_ARM_Picking_Movimentos SET Estado = 1 WHERE Id = ?1");
    for (const DirectReading& r : readings) mark->Bind(1, r.id).Run();
  }

  DirectConnection& db_;
  const SetArrays& sets_;
  DirectDocument document_;
};

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_DIRECT_IMPORT_H_
