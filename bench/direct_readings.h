// The pending readings of the chosen sets as the floor of an import reads them: in one query,
// joined to the article, its stock and, for sales, the customer order line and order each
// names, in the shape and order that the import's loader gives them.

#ifndef PELLORA_BENCH_DIRECT_READINGS_H_
#define PELLORA_BENCH_DIRECT_READINGS_H_

#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/direct_connection.h"

namespace pellora::bench {

// The original document a reading names, its line there and, when found, that line and header.
struct OrderLine {
  std::string type, series;
  long long number = 0, year = 0, line = 0;
  double pending = 0;  // its quantity still to serve
  double price = 0, discount_rate = 0, discount = 0;
  std::string seller, description, article, warehouse;
  std::string order_date;  // "yyyy-mm-dd...", empty when the order is not there

  // A key that names a document to load: a series, a number and a year.
  bool Complete() const { return !series.empty() && number > 0 && year > 0; }
  std::string Key() const {
    return type + "-" + series + "-" + std::to_string(number) + "-" + std::to_string(year);
  }
  bool SameOrder(const OrderLine& other) const {
    return type == other.type && series == other.series && number == other.number &&
           year == other.year;
  }
};

struct DirectReading {
  std::string article, unit, warehouse, serial, lot, supplier_lot, expiry;
  double quantity = 0;
  long long line_number = 0, ordering = 0;
  double own_price = 0;  // the reading's unit price, 0 when it has none
  std::string name;      // the article's
  double last_cost = 0, sale_price = 0, tax = 0;
  double factor = 1;      // of the reading's unit against the article's base unit
  std::string base_unit;  // the article's, or the reading's when the article names none
  double stock = 0, total_stock = 0, stock_value = 0;  // in the warehouse, in all, its value
  std::string read_at;                                 // "yyyyMMddHHmmss"
  std::string third_party;
  OrderLine order;

  // Readings with a serial number or lot go onto one line with the reading before of the same
  // article and warehouse (and line, see DirectLines).
  bool Tracked() const { return !serial.empty() || !lot.empty(); }
};

// How the import's loader shapes the readings.
enum class ReadingShape {
  kPerArticle,  // an inventory: one row per article, unit, warehouse, serial number and lot
  kAsRead,      // an adjustment: one row per reading, in the order they were read
  kPerLine,     // a sale: one row per reading in line-number order, with its order line
};

namespace detail {

// The columns read, in DirectReading's order; the first seven are the inventory's grouping.
inline std::vector<std::string> ReadingColumns() {
  return {
      "MO.Artigo",
      "MO.Unidade",
      "MO.Armazem",
      "MO.NumeroSerie",
      "MO.NossoLote",
      "MO.VossoLote",
      "MO.DataValidade",
      "MO.Quantidade",
      "MO.NumeroLinha",
      "MO.Ordenaca",
      "COALESCE(MO.PrecoUnitario, 0)",
      "AR.NOME",
      "COALESCE(AR.ULTPRCOM, 0)",
      "COALESCE(AR.PVPSIVA, 0)",
      "COALESCE(AR.TAXAIVA, 0)",
      // The transport unit's factor wins over the packing unit's; 0 or none counts as 1.
      "CASE WHEN AR.UNTRANS = MO.Unidade THEN COALESCE(NULLIF(AR.FACTTRA, 0), 1) "
      "WHEN AR.UNEMB = MO.Unidade THEN COALESCE(NULLIF(AR.FACTEMB, 0), 1) ELSE 1 END",
      "COALESCE(NULLIF(AR.UNIDADE, ''), MO.Unidade)",
      "COALESCE(AM.EXISTENC, 0)",
      "COALESCE(AR.STDISP, 0)",
      "COALESCE(AR.VLREXIST, 0)",
      "MO.Data",
      "MO.Terceiro",
  };
}
constexpr int kGroupingColumns = 7;
constexpr int kQuantityColumn = 7;

inline std::string OrderColumns(bool with_orders) {
  if (!with_orders) return ", '', '', 0, 0, 0, 0, 0, 0, '', '', '', '', '' ";
  return ", COALESCE(MO.TpDoc, ''), COALESCE(MO.Serie, ''), COALESCE(MO.Numero, 0), "
         "COALESCE(MO.Ano, 0), COALESCE(OL.QUANT, 0), COALESCE(OL.PRUNIT, 0), "
         "COALESCE(OL.TXDESC, 0), COALESCE(OL.DESCONTO, 0), COALESCE(OL.VENDEDOR, ''), "
         "COALESCE(OL.DESCR, ''), COALESCE(OL.ARTIGO, ''), COALESCE(OL.ARMAZEM, ''), "
         "COALESCE(CAST(OC.DATA AS VARCHAR(30)), '') ";
}

inline std::string ReadingsSql(ReadingShape shape, const SetArrays& sets) {
  const std::vector<std::string> columns = ReadingColumns();
  std::string select, grouping;
  for (size_t i = 0; i < columns.size(); ++i) {
    std::string column = columns[i];
    if (shape == ReadingShape::kPerArticle && i >= kGroupingColumns) {
      column = (i == kQuantityColumn ? "SUM(" : "MAX(") + column + ")";
    }
    if (i < kGroupingColumns) {
      grouping += (i ? ", " : "") + column;
      column = "COALESCE(" + column + ", '')";
    }
    select += (i ? ", " : "SELECT ") + column;
  }
  const bool sale = shape == ReadingShape::kPerLine;
  std::string sql = select + OrderColumns(sale) +
                    "FROM oru_ARM_Picking_Movimentos AS MO "
                    "LEFT OUTER JOIN ARTARM AS AM "
                    "ON AM.ARMAZEM = MO.Armazem AND AM.ARTIGO = MO.Artigo "
                    "LEFT OUTER JOIN ARTIGOS AS AR ON AR.CODIGO = MO.Artigo ";
  if (sale) {
    sql +=
        "LEFT OUTER JOIN DOCGCLIN AS OL ON OL.TPDOCUM = MO.TpDoc AND OL.SERIE = MO.Serie "
        "AND OL.NNUMDOC = MO.Numero AND OL.ANO = MO.Ano AND OL.NUMLINHA = MO.NumeroLinha "
        "AND OL.LINANU = 0 "
        "LEFT OUTER JOIN DOCGCCAB AS OC ON OC.TPDOC = MO.TpDoc AND OC.SERIE = MO.Serie "
        "AND OC.NNUMDOC = MO.Numero AND OC.ANO = MO.Ano ";
  }
  sql += "WHERE " + SetsCondition(sets) + " AND Estado = 0 ";
  switch (shape) {
    case ReadingShape::kPerArticle:
      // The loader's grouping, whose rows come sorted by it.
      return sql + "GROUP BY " + grouping + " ORDER BY " + grouping;
    case ReadingShape::kAsRead:
      // The loader names no order: the readings come in the order they were written.
      return sql + "ORDER BY MO.Id";
    case ReadingShape::kPerLine:
      // By line number alone, as the operation reads them (ties in key order).
      return sql + "ORDER BY MO.NumeroLinha, MO.Id";
  }
  return sql;
}

}  // namespace detail

inline std::vector<DirectReading> ReadReadings(DirectConnection& db, const SetArrays& sets,
                                               ReadingShape shape) {
  const std::unique_ptr<DirectStatement> select = db.Prepare(detail::ReadingsSql(shape, sets));
  std::vector<DirectReading> readings;
  for (DirectStatement& row = *select; row.Step();) {
    DirectReading r;
    r.article = row.Text(0), r.unit = row.Text(1), r.warehouse = row.Text(2);
    r.serial = row.Text(3), r.lot = row.Text(4), r.supplier_lot = row.Text(5);
    r.expiry = row.Text(6), r.quantity = row.Double(7), r.line_number = row.Integer(8);
    r.ordering = row.Integer(9), r.own_price = row.Double(10), r.name = row.Text(11);
    r.last_cost = row.Double(12), r.sale_price = row.Double(13), r.tax = row.Double(14);
    r.factor = row.Double(15), r.base_unit = row.Text(16), r.stock = row.Double(17);
    r.total_stock = row.Double(18), r.stock_value = row.Double(19), r.read_at = row.Text(20);
    r.third_party = row.Text(21);
    OrderLine& o = r.order;
    o.type = row.Text(22), o.series = row.Text(23), o.number = row.Integer(24);
    o.year = row.Integer(25), o.line = r.line_number, o.pending = row.Double(26);
    o.price = row.Double(27), o.discount_rate = row.Double(28), o.discount = row.Double(29);
    o.seller = row.Text(30), o.description = row.Text(31), o.article = row.Text(32);
    o.warehouse = row.Text(33), o.order_date = row.Text(34);
    readings.push_back(std::move(r));
  }
  return readings;
}

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_DIRECT_READINGS_H_
