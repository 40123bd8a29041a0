// The least work an import of reading sets can do, written straight on the company database
// through a direct connection, the same algorithm on every engine: the readings of the chosen
// sets joined to the article tables as the loaders join them, a document header per 32,767
// lines, one document line per reading (per article, unit, warehouse, serial number and lot for
// an inventory), the stock effect on ARTARM and ARTIGOS, and each reading marked imported;
// prepared statements and one transaction, at the data access's durability. A sale against
// orders writes the lines such a document has (a separator and a description line per order,
// a reading split where its order line has less pending, serial numbers and lots of one order
// line on one line) and serves the orders: the order lines' pending quantities, the quantities
// ordered of the articles and warehouses, and the orders fully served.

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
  // Each reading names a customer order line, whose prices and description its line takes.
  bool against_orders = false;
};

// The customer order line a reading names, as the readings table and the order hold it.
struct OrderLine {
  std::string type, series;
  long long number = 0, year = 0, line = 0;
  bool found = false;      // the order has that line
  double pending = 0;      // its quantity still to serve
  std::string order_date;  // the order's date, empty when the order is not there
  std::string Key() const {
    return type + "-" + series + "-" + std::to_string(number) + "-" + std::to_string(year);
  }
};

struct DirectReading {
  long long id;
  std::string article, warehouse, unit, name;
  double quantity, price, tax;
  std::string tracking;  // serial number, lots and expiry: readings of one line share it
  bool serial_or_lot = false;
  OrderLine order;
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
    const std::vector<DirectReading> lines = document_.grouped          ? Grouped(readings)
                                             : document_.against_orders ? AgainstOrders(readings)
                                                                        : readings;
    // The host numbers a document's lines in 16 bits: more lines make more documents.
    size_t first = 0;
    do {
      const size_t count = std::min(kLinesPerDocument, lines.size() - first);
      WriteLines(std::span(lines).subspan(first, count), WriteHeader());
      first += count;
    } while (first < lines.size());
    MoveStock(lines);
    if (document_.against_orders) ServeOrders(lines);
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
        "COALESCE(MO.VossoLote, '') || '|' || COALESCE(MO.DataValidade, ''), "
        "COALESCE(MO.NumeroSerie, '') || COALESCE(MO.NossoLote, ''), COALESCE(MO.TpDoc, ''), "
        "COALESCE(MO.Serie, ''), COALESCE(MO.Numero, 0), COALESCE(MO.Ano, 0), MO.NumeroLinha, " +
        std::string(document_.against_orders
                        ? "OL.NUMLINHA, COALESCE(OL.QUANT, 0), COALESCE(OL.PRUNIT, 0), "
                          "COALESCE(OL.DESCR, ''), COALESCE(CAST(OC.DATA AS VARCHAR(30)), '') "
                        : "NULL, 0, 0, '', '' ") +
        "FROM oru_ARM_Picking_Movimentos AS MO "
        "LEFT OUTER JOIN ARTARM AS AM "
        "ON AM.ARMAZEM = MO.Armazem AND AM.ARTIGO = MO.Artigo "
        "LEFT OUTER JOIN ARTIGOS AS AR ON AR.CODIGO = MO.Artigo " +
        (document_.against_orders
             ? "LEFT OUTER JOIN DOCGCLIN AS OL ON OL.TPDOCUM = MO.TpDoc AND OL.SERIE = MO.Serie "
               "AND OL.NNUMDOC = MO.Numero AND OL.ANO = MO.Ano AND OL.NUMLINHA = MO.NumeroLinha "
               "LEFT OUTER JOIN DOCGCCAB AS OC ON OC.TPDOC = MO.TpDoc AND OC.SERIE = MO.Serie "
               "AND OC.NNUMDOC = MO.Numero AND OC.ANO = MO.Ano "
             : "") +
        "WHERE " + SetsCondition(sets_) + " AND Estado = 0 " +
        // A sale reads its readings as the operation does, by line number alone (ties in key
        // order); the other imports grouped per original document.
        (document_.against_orders ? "ORDER BY MO.NumeroLinha, MO.Id"
                                  : "ORDER BY MO.DataSync, MO.TpDoc, MO.Serie, MO.Numero, "
                                    "MO.Ano, MO.NumeroLinha"));
    std::vector<DirectReading> readings;
    for (DirectStatement& row = *select; row.Step();) {
      DirectReading reading{row.Integer(0),
                            row.Text(1),
                            row.Text(2),
                            row.Text(3),
                            row.Text(5),
                            row.Double(4),
                            row.Double(6),
                            row.Double(7),
                            row.Text(14),
                            !row.Text(15).empty(),
                            {}};
      reading.order =
          OrderLine{row.Text(16),    row.Text(17),          row.Integer(18), row.Integer(19),
                    row.Integer(20), !row.Text(21).empty(), row.Double(22),  row.Text(25)};
      if (reading.order.found) {
        reading.price = row.Double(23);
        reading.name = row.Text(24);
      }
      readings.push_back(std::move(reading));
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

  // The lines of a sale against orders, placed as the add-in places them.
  static std::vector<DirectReading> AgainstOrders(const std::vector<DirectReading>& readings) {
    std::vector<DirectReading> lines;
    std::map<std::pair<std::string, long long>, double> pending;
    std::string order;
    const DirectReading* previous = nullptr;
    for (const DirectReading& r : readings) {
      double left = r.quantity;
      while (left > 0) {
        if (previous != nullptr && r.serial_or_lot && r.article == previous->article &&
            r.warehouse == previous->warehouse && r.order.line == previous->order.line) {
          lines.back().quantity += left;
          break;
        }
        if (r.order.Key() != order) {
          if (lines.size() > 1) lines.push_back(TextLine(""));
          order = r.order.Key();
          if (!r.order.order_date.empty()) {
            lines.push_back(TextLine(order + " em " + r.order.order_date));
          }
        }
        const auto [at, added] = pending.emplace(std::pair(order, r.order.line), r.order.pending);
        DirectReading line = r;
        line.quantity = at->second > 0 ? std::min(left, at->second) : left;
        at->second -= line.quantity;
        left -= line.quantity;
        lines.push_back(std::move(line));
        previous = &r;
      }
    }
    return lines;
  }

  static DirectReading TextLine(std::string description) {
    DirectReading line{};
    line.name = std::move(description);
    return line;
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
        "ARMAZEM, UNIDADE, QUANT, QTDINTRO, PRUNIT, PRUNITINT, TAXAIVA, TOTLIQ, ORDOC, ORSERIE, "
        "ORNUM, ORANO, LINORIG) VALUES (?1, '1', " +
        db_.Year() +
        ", ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, "
        "?18, ?19)");
    long long line_number = 0;
    for (const DirectReading& r : readings) {
      ++line_number;
      line->Bind(1, document_.type).Bind(2, number).Bind(3, line_number).Bind(4, line_number);
      line->Bind(5, r.article).Bind(6, r.name).Bind(7, r.warehouse).Bind(8, r.unit);
      line->Bind(9, r.quantity).Bind(10, r.quantity).Bind(11, r.price).Bind(12, r.price);
      line->Bind(13, r.tax).Bind(14, std::round(r.quantity * r.price * 100) / 100);
      line->Bind(15, r.order.type).Bind(16, r.order.series).Bind(17, r.order.number);
      line->Bind(18, r.order.year).Bind(19, r.order.line).Run();
    }
  }

  // The stock effect of the lines, summed per article and warehouse first: each stock row is
  // written once, as a row written again and again in one transaction slows every later write
  // of it on PostgreSQL (each leaves a version behind until the end).
  void MoveStock(const std::vector<DirectReading>& lines) {
    std::map<std::pair<std::string, std::string>, double> per_warehouse;
    std::map<std::string, double> per_article;
    for (const DirectReading& r : lines) {
      if (r.article.empty()) continue;  // a text line moves no stock
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

  // What the lines served of their order lines, as the host settles a sale against orders: the
  // order lines' pending quantity, the quantities ordered of the articles and warehouses (each
  // row written once), and the orders left with nothing pending marked served.
  void ServeOrders(const std::vector<DirectReading>& lines) {
    std::map<std::tuple<std::string, std::string, long long, long long, long long>, double> served;
    std::map<std::pair<std::string, std::string>, double> per_warehouse;
    std::map<std::string, double> per_article;
    std::map<std::string, const OrderLine*> orders;
    std::map<std::pair<std::string, long long>, double> pending;
    for (const DirectReading& r : lines) {
      const OrderLine& o = r.order;
      if (!o.found) continue;
      const auto [at, added] = pending.emplace(std::pair(o.Key(), o.line), o.pending);
      const double quantity = std::clamp(r.quantity, 0.0, std::max(at->second, 0.0));
      at->second -= quantity;
      served[{o.type, o.series, o.number, o.year, o.line}] += quantity;
      per_warehouse[{r.article, r.warehouse}] += quantity;
      per_article[r.article] += quantity;
      orders.emplace(o.Key(), &o);
    }
    const std::unique_ptr<DirectStatement> order_line = db_.Prepare(
        "UPDATE DOCGCLIN SET QUANT = QUANT - ?1 WHERE TPDOCUM = ?2 AND SERIE = ?3 "
        "AND NNUMDOC = ?4 AND ANO = ?5 AND NUMLINHA = ?6");
    for (const auto& [line, quantity] : served) {
      const auto& [type, series, number, year, number_of_line] = line;
      order_line->Bind(1, quantity).Bind(2, type).Bind(3, series).Bind(4, number);
      order_line->Bind(5, year).Bind(6, number_of_line).Run();
    }
    const std::unique_ptr<DirectStatement> warehouse = db_.Prepare(
        "UPDATE ARTARM SET ARMENCCL = ARMENCCL - ?1 WHERE ARTIGO = ?2 AND ARMAZEM = ?3");
    for (const auto& [where, quantity] : per_warehouse) {
      warehouse->Bind(1, quantity).Bind(2, where.first).Bind(3, where.second).Run();
    }
    const std::unique_ptr<DirectStatement> article =
        db_.Prepare("UPDATE ARTIGOS SET TOTENCCL = TOTENCCL - ?1 WHERE CODIGO = ?2");
    for (const auto& [code, quantity] : per_article) article->Bind(1, quantity).Bind(2, code).Run();
    const std::unique_ptr<DirectStatement> served_order = db_.Prepare(
        "UPDATE DOCGCCAB SET \"convert\" = -1 WHERE TPDOC = ?1 AND SERIE = ?2 AND NNUMDOC = ?3 "
        "AND ANO = ?4 AND NOT EXISTS (SELECT 1 FROM DOCGCLIN WHERE TPDOCUM = ?1 AND SERIE = ?2 "
        "AND NNUMDOC = ?3 AND ANO = ?4 AND LINANU = 0 AND QUANT > 0)");
    for (const auto& [key, o] : orders) {
      served_order->Bind(1, o->type).Bind(2, o->series).Bind(3, o->number).Bind(4, o->year).Run();
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
