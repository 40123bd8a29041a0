// Writes planned documents as the host stores a document: its number taken, its header and
// lines, the lot and serial-number rows of its lines, the serial numbers entering or leaving
// the stock, the orders its lines serve; and, once at the end, the stock of every article and
// warehouse the documents moved (each stock row written once).

#ifndef PELLORA_BENCH_DIRECT_DOCUMENT_H_
#define PELLORA_BENCH_DIRECT_DOCUMENT_H_

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bench/direct_connection.h"
#include "bench/direct_lines.h"
#include "runtime/clock.h"
#include "runtime/date.h"
#include "runtime/date_text.h"

namespace pellora::bench {

// The host leaves a text column it is given no text for NULL.
inline DirectStatement& BindText(DirectStatement& statement, int index, const std::string& text) {
  return text.empty() ? statement.BindNull(index) : statement.Bind(index, text);
}

class DocumentWriter {
 public:
  // Every statement is prepared once, before the first document.
  explicit DocumentWriter(DirectConnection& db)
      : db_(db),
        kind_(db.Prepare("SELECT AREAG, TPOPER, TPFSTC FROM TPDOC WHERE CODIGO = ?1")),
        last_number_(db.Prepare(
            "SELECT MAX(N) FROM (SELECT ULTNUM AS N FROM NUMERADOR WHERE TPDOC = ?1 AND SERIE = "
            "'1' AND ANO = " +
            db.Year() +
            " UNION ALL SELECT NNUMDOC FROM DOCGCCAB WHERE TPDOC = ?1 AND SERIE = '1' " +
            "AND ANO = " + db.Year() + ") AS USED")),
        numerator_(db.Prepare(
            "INSERT INTO NUMERADOR (TPDOC, SERIE, ANO, ULTNUM) VALUES (?1, '1', " + db.Year() +
            ", ?2) ON CONFLICT (TPDOC, SERIE, ANO) DO UPDATE SET ULTNUM = "
            "excluded.ULTNUM")),
        header_(db.Prepare(
            "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, TERCEIRO, AREAG, TPOPER, "
            "TPFSTC, TOTAL, DATACG, DateNew, HOURNEW, DateUpd, HourUpd) VALUES (?1, '1', " +
            db.Year() + ", ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, " + db.Now() + ", " + db.TimeNow() +
            ", " + db.Now() + ", " + db.TimeNow() + ")")),
        // Each marker stands for one column: PostgreSQL gives a marker one type, and the
        // columns that take the same value (line number and order, quantities, prices) differ
        // in type.
        line_(db.Prepare(
            "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARTIGO, "
            "DESCR, ARMAZEM, UNIDADE, FACTOR, QUANT, QTDINTRO, QTDORIG, PRUNIT, PRUNITINT, "
            "TXDESC, DESCONTO, TAXAIVA, TOTLIQ, VENDEDOR, ORDOC, ORSERIE, ORNUM, ORANO, LINORIG, "
            "ECOTAXA) VALUES (?1, '1', " +
            db.Year() +
            ", ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, "
            "?19, ?20, ?21, ?22, ?23, ?24, ?25)")),
        lot_(db.Prepare(
            "INSERT INTO LOTESMOV (TPDOC, SERIE, ANO, NNUMDOC, NUMLINHA, ARTIGO, ARMAZEM, LOTE, "
            "VOSSOLOTE, DATAVAL, QUANT) VALUES (?1, '1', " +
            db.Year() + ", ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)")),
        serial_movement_(db.Prepare(
            "INSERT INTO NSERMOV (TPDOC, SERIE, ANO, NNUMDOC, NUMLINHA, ARTIGO, ARMAZEM, NUMSER, "
            "TIPOLINHA) VALUES (?1, '1', " +
            db.Year() + ", ?2, ?3, ?4, ?5, ?6, 1)")),
        serial_in_(db.Prepare(
            "INSERT INTO NSEREXIS (ARTIGO, NUMSER, ARMAZEM, DATAENT) VALUES (?1, ?2, ?3, ?4)")),
        serial_out_(
            db.Prepare("DELETE FROM NSEREXIS WHERE ARTIGO = ?1 AND NUMSER = ?2 AND ARMAZEM = ?3")),
        free_fields_(db.Prepare(
            "INSERT INTO CLDOCGC (TIPODOC, SERIE, ANO, NDOC, REFCLIENTE, MATRICULA, OBSERV, "
            "DTENTREGA) SELECT ?1, '1', " +
            db.Year() +
            ", ?2, REFCLIENTE, MATRICULA, OBSERV, DTENTREGA FROM CLDOCGC WHERE TIPODOC = ?3 "
            "AND SERIE = ?4 AND NDOC = ?5 AND ANO = ?6")),
        order_line_(
            db.Prepare("UPDATE DOCGCLIN SET QUANT = QUANT - ?1 WHERE TPDOCUM = ?2 AND SERIE = ?3 "
                       "AND NNUMDOC = ?4 AND ANO = ?5 AND NUMLINHA = ?6")),
        ordered_in_warehouse_(db.Prepare(
            "UPDATE ARTARM SET ARMENCCL = ARMENCCL - ?1 WHERE ARTIGO = ?2 AND ARMAZEM = ?3")),
        ordered_(db.Prepare("UPDATE ARTIGOS SET TOTENCCL = TOTENCCL - ?1 WHERE CODIGO = ?2")),
        served_order_(db.Prepare(
            "UPDATE DOCGCCAB SET \"convert\" = -1 WHERE TPDOC = ?1 AND SERIE = ?2 AND NNUMDOC = "
            "?3 AND ANO = ?4 AND NOT EXISTS (SELECT 1 FROM DOCGCLIN WHERE TPDOCUM = ?1 AND SERIE "
            "= ?2 AND NNUMDOC = ?3 AND ANO = ?4 AND LINANU = 0 AND QUANT > 0)")) {}

  // Writes the document; `third_party` goes on its header, and the free fields of order
  // `free_fields_of` (when complete) are copied to it, as the host copies the first order's.
  void Write(const DirectPlan& plan, const std::string& third_party,
             const OrderLine& free_fields_of) {
    const Kind kind = KindOf(plan.type);
    const long long number = TakeNumber(plan.type);
    const std::string date = IsoDateTimeText(AddDays(DateOnly(Now()), plan.day));
    Header(plan, kind, number, date, third_party);
    for (size_t i = 0; i < plan.lines.size(); ++i) {
      const DirectLine& line = plan.lines[i];
      const long long line_number = static_cast<long long>(i) + 1;
      Line(plan.type, number, line_number, line);
      for (const LotEntry& lot : line.lots) Lot(plan.type, number, line_number, line, lot, kind);
      for (const std::string& serial : line.serials) {
        Serial(plan.type, number, line_number, line, serial, kind, date);
      }
      if (!line.article.empty()) {
        const double moved = kind.stock_sign * line.quantity * line.factor;
        per_warehouse_[{line.article, line.warehouse}] += moved;
        per_article_[line.article] += moved;
      }
    }
    if (free_fields_of.Complete()) CopyFreeFields(plan.type, number, free_fields_of);
    ServeOrders(plan.lines);
  }

  // The stock effect of every document written, one write per stock row: a row written again
  // and again in one transaction slows every later write of it on PostgreSQL (each leaves a
  // version behind until the end). One statement whether or not the article was ever in the
  // warehouse, so that no write waits for the answer of another.
  void MoveStock() {
    const std::unique_ptr<DirectStatement> warehouse_stock = db_.Prepare(
        "INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC) VALUES (?1, ?2, ?3) "
        "ON CONFLICT (ARTIGO, ARMAZEM) DO UPDATE SET EXISTENC = ARTARM.EXISTENC + "
        "excluded.EXISTENC");
    for (const auto& [where, change] : per_warehouse_) {
      warehouse_stock->Bind(1, where.first).Bind(2, where.second).Bind(3, change).Run();
    }
    const std::unique_ptr<DirectStatement> article_stock =
        db_.Prepare("UPDATE ARTIGOS SET STDISP = STDISP + ?1 WHERE CODIGO = ?2");
    for (const auto& [article, change] : per_article_) {
      article_stock->Bind(1, change).Bind(2, article).Run();
    }
  }

 private:
  // What the document's type says: its header's columns and its stock effect.
  struct Kind {
    long long area = 0, operation = 0, stock = 0;
    int stock_sign = 0;  // +1 entry, -1 exit
  };

  Kind KindOf(const std::string& type) {
    DirectStatement& select = *kind_;
    Kind kind;
    if (select.Bind(1, type).Step()) {
      kind = {select.Integer(0), select.Integer(1), select.Integer(2), 0};
      kind.stock_sign = kind.stock == 1 ? 1 : kind.stock == 2 ? -1 : 0;
    }
    return kind;
  }

  // The next number of the type in series 1 this year: after the numerator's and the
  // documents' last, kept in the numerator.
  long long TakeNumber(const std::string& type) {
    DirectStatement& last = *last_number_;
    const long long number = (last.Bind(1, type).Step() ? last.Integer(0) : 0) + 1;
    numerator_->Bind(1, type).Bind(2, number).Run();
    return number;
  }

  // The header's key, date, customer and type; the host also writes the counts' sector from the
  // parameters and copies the order's delivery and payment fields, which the floor leaves out
  // (one row a document).
  void Header(const DirectPlan& plan, const Kind& kind, long long number, const std::string& date,
              const std::string& third_party) {
    double total = 0;
    for (const DirectLine& line : plan.lines) total += line.Total();
    header_->Bind(1, plan.type)
        .Bind(2, number)
        .Bind(3, date)
        .Bind(4, third_party)
        .Bind(5, kind.area)
        .Bind(6, kind.operation)
        .Bind(7, kind.stock)
        .Bind(8, total)
        .Bind(9, date)
        .Run();
  }

  void Line(const std::string& type, long long number, long long line_number,
            const DirectLine& line) {
    DirectStatement& insert = *line_;
    insert.Bind(1, type).Bind(2, number).Bind(3, line_number).Bind(4, line_number);
    insert.Bind(5, line.article);
    BindText(insert, 6, line.name);
    BindText(insert, 7, line.warehouse);
    BindText(insert, 8, line.unit);
    insert.Bind(9, line.factor).Bind(10, line.quantity).Bind(11, line.quantity);
    insert.Bind(12, line.quantity).Bind(13, line.price).Bind(14, line.price);
    insert.Bind(15, line.discount_rate).Bind(16, line.discount).Bind(17, line.tax);
    BindText(insert.Bind(18, line.Total()), 19, line.seller);
    if (line.serves) {
      const OrderLine& o = line.order;
      insert.Bind(20, o.type).Bind(21, o.series).Bind(22, o.number).Bind(23, o.year);
      insert.Bind(24, o.line);
    } else {
      for (int column = 20; column <= 24; ++column) insert.BindNull(column);
    }
    insert.Bind(25, static_cast<long long>(line.from_reading)).Run();
  }

  // A lot row in base units, signed by the document's stock effect.
  void Lot(const std::string& type, long long number, long long line_number, const DirectLine& line,
           const LotEntry& lot, const Kind& kind) {
    DirectStatement& insert = *lot_;
    insert.Bind(1, type).Bind(2, number).Bind(3, line_number).Bind(4, line.article);
    insert.Bind(5, line.warehouse).Bind(6, lot.code);
    insert.Bind(7, lot.supplier_lot.empty() ? std::string("VL") : lot.supplier_lot);
    if (lot.expiry.size() >= 8) {
      insert.Bind(8, lot.expiry.substr(0, 4) + "-" + lot.expiry.substr(4, 2) + "-" +
                         lot.expiry.substr(6, 2) + " 00:00:00");
    } else {
      insert.BindNull(8);
    }
    insert.Bind(9, kind.stock_sign == 0 ? lot.quantity : kind.stock_sign * lot.quantity).Run();
  }

  // The serial number's row on the line, and the number entering the stock or leaving it. The
  // host looks each leaving number up in the warehouse first; the floor deletes it there.
  void Serial(const std::string& type, long long number, long long line_number,
              const DirectLine& line, const std::string& serial, const Kind& kind,
              const std::string& date) {
    serial_movement_->Bind(1, type)
        .Bind(2, number)
        .Bind(3, line_number)
        .Bind(4, line.article)
        .Bind(5, line.warehouse)
        .Bind(6, serial)
        .Run();
    if (kind.stock_sign > 0) {
      serial_in_->Bind(1, line.article).Bind(2, serial).Bind(3, line.warehouse).Bind(4, date).Run();
    } else if (kind.stock_sign < 0) {
      serial_out_->Bind(1, line.article).Bind(2, serial).Bind(3, line.warehouse).Run();
    }
  }

  void CopyFreeFields(const std::string& type, long long number, const OrderLine& order) {
    free_fields_->Bind(1, type)
        .Bind(2, number)
        .Bind(3, order.type)
        .Bind(4, order.series)
        .Bind(5, order.number)
        .Bind(6, order.year)
        .Run();
  }

  // What the lines served of their order lines, as the host settles them line after line: the
  // order lines' pending quantity, the quantities ordered of their articles and warehouses (each
  // row written once), and the orders left with nothing pending marked served.
  void ServeOrders(const std::vector<DirectLine>& lines) {
    using Key = std::tuple<std::string, std::string, long long, long long, long long>;
    std::map<Key, double> pending, served;
    std::map<std::pair<std::string, std::string>, double> per_warehouse;
    std::map<std::string, double> per_article;
    std::map<std::string, const OrderLine*> orders;
    for (const DirectLine& line : lines) {
      if (!line.serves) continue;
      const OrderLine& o = line.order;
      const Key key(o.type, o.series, o.number, o.year, o.line);
      double& left = pending.emplace(key, o.pending).first->second;
      const double quantity = std::clamp(line.quantity, 0.0, std::max(left, 0.0));
      left -= quantity;
      served[key] += quantity;
      per_warehouse[{o.article, o.warehouse}] += quantity;
      per_article[o.article] += quantity;
      orders.emplace(o.Key(), &o);
    }
    DirectStatement& order_line = *order_line_;
    for (const auto& [key, quantity] : served) {
      const auto& [type, series, number, year, line_number] = key;
      order_line.Bind(1, quantity).Bind(2, type).Bind(3, series).Bind(4, number);
      order_line.Bind(5, year).Bind(6, line_number).Run();
    }
    DirectStatement& warehouse = *ordered_in_warehouse_;
    for (const auto& [where, quantity] : per_warehouse) {
      warehouse.Bind(1, quantity).Bind(2, where.first).Bind(3, where.second).Run();
    }
    DirectStatement& article = *ordered_;
    for (const auto& [code, quantity] : per_article) article.Bind(1, quantity).Bind(2, code).Run();
    DirectStatement& served_order = *served_order_;
    for (const auto& [key, o] : orders) {
      served_order.Bind(1, o->type).Bind(2, o->series).Bind(3, o->number).Bind(4, o->year).Run();
    }
  }

  DirectConnection& db_;
  std::unique_ptr<DirectStatement> kind_, last_number_, numerator_, header_, line_, lot_,
      serial_movement_, serial_in_, serial_out_, free_fields_, order_line_, ordered_in_warehouse_,
      ordered_, served_order_;
  std::map<std::pair<std::string, std::string>, double> per_warehouse_;
  std::map<std::string, double> per_article_;
};

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_DIRECT_DOCUMENT_H_
