#include "platform/vela/stock_movement.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/vela/company_sql.h"
#include "platform/vela/insert_batch.h"
#include "platform/vela/matching_rows.h"
#include "platform/vela/member_values.h"
#include "platform/vela/serial_stock.h"
#include "platform/vela/sql_literal.h"
#include "runtime/convert.h"
#include "runtime/date_text.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace pellora::vela {

namespace {

using enum ColumnKind;
using Stock = DocumentType::Stock;

constexpr const char* kSource = "Vela";

constexpr ColumnMember kLotColumns[] = {
    {"CodigoLote", "LOTE", kText},       {"VossoLote", "VOSSOLOTE", kText},
    {"Fornecedor", "FORNECEDOR", kText}, {"DataEntrada", "DATAENT", kDate},
    {"DATAVALIDADE", "DATAVAL", kDate},
};

// A serial number that enters the stock.
struct SerialEntry {
  std::string article, number, warehouse;
};

// What one line's entries need to know about where their stock goes, and the rows they write,
// sent together at the end.
struct Movement {
  Movement(DataAccess& data_access, const DocumentType& type, const DocumentKey& key,
           std::string destination, std::string date)
      : data_access(data_access),
        type(type),
        key(key),
        destination(std::move(destination)),
        date(std::move(date)) {}

  DataAccess& data_access;
  const DocumentType& type;
  const DocumentKey& key;
  std::string destination;  // transfers: the warehouse that receives
  std::string date;         // the document's date, as stored
  InsertBatch lots{data_access};
  InsertBatch serial_movements{data_access};
  // The serial numbers this document enters, in its order: each is checked against the stock
  // before any is written.
  std::vector<SerialEntry> entered;
  // For a document that takes stock out: where its serial numbers are, as it moves them, and
  // the stock rows it changes.
  std::optional<SerialsInStock> in_stock;
  std::vector<ValuedStatement> serial_stock;
};

double Factor(const LateBoundObject& line) {
  const double factor = NumberOf(line.Get("Factor"), 1);
  return factor == 0 ? 1 : factor;
}

using Pairs = std::set<std::pair<std::string, std::string>>;

// The keys of two columns that rows of `table` hold, in upper case.
Pairs PairsHeld(DataAccess& data_access, const std::string& table,
                const std::vector<std::string>& columns, const std::vector<RowKey>& keys) {
  Pairs held;
  for (RowKey& row : MatchingRows(data_access, table, columns, keys)) {
    held.emplace(std::move(row[0]), std::move(row[1]));
  }
  return held;
}

// What the document's lines move, in the article's base unit, summed per article and warehouse
// (ARTARM) and per article (ARTIGOS): a document names the same articles on many lines.
struct StockChanges {
  std::map<std::pair<std::string, std::string>, double> in_warehouse;
  std::map<std::string, double> in_total;
};

void AddLineStock(const Movement& movement, const LateBoundObject& line, StockChanges& changes) {
  const std::string article = TextMember(line, "Artigo");
  if (article.empty()) return;
  const std::string warehouse = TextMember(line, "Armazem");
  const double quantity = NumberOf(line.Get("Quantidade")) * Factor(line);
  if (movement.type.stock == Stock::kTransfer) {
    changes.in_warehouse[{article, warehouse}] -= quantity;
    changes.in_warehouse[{article, movement.destination}] += quantity;
    return;
  }
  const int sign = movement.type.StockSign();
  if (sign == 0) return;
  changes.in_warehouse[{article, warehouse}] += sign * quantity;
  changes.in_total[article] += sign * quantity;
}

// The stock rows a place never had are inserted, the others added to; every write in one
// exchange.
void ApplyStockChanges(DataAccess& data_access, const StockChanges& changes) {
  std::vector<RowKey> places;
  for (const auto& [place, quantity] : changes.in_warehouse) {
    places.push_back({place.first, place.second});
  }
  Pairs held = PairsHeld(data_access, "ARTARM", {"ARTIGO", "ARMAZEM"}, places);
  std::vector<ValuedStatement> writes;
  for (const auto& [place, quantity] : changes.in_warehouse) {
    const Variant article(place.first), warehouse(place.second);
    if (held.emplace(UCase(place.first), UCase(place.second)).second) {
      writes.push_back({"INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC) VALUES (?, ?, ?)",
                        {article, warehouse, NumberValue(quantity)}});
    } else {
      writes.push_back(
          {"UPDATE ARTARM SET EXISTENC = EXISTENC + ? WHERE ARTIGO = ? AND ARMAZEM = ?",
           {NumberValue(quantity), article, warehouse}});
    }
  }
  for (const auto& [article, quantity] : changes.in_total) {
    writes.push_back({"UPDATE ARTIGOS SET STDISP = STDISP + ? WHERE CODIGO = ?",
                      {NumberValue(quantity), Variant(article)}});
  }
  if (!writes.empty()) data_access.RunAllWithValues(writes);
}

void InsertLot(Movement& movement, const LateBoundObject& lot, const LateBoundObject& line,
               const std::string& warehouse, double quantity) {
  InsertStatement insert("LOTESMOV");
  insert.AddKey(movement.key, "TPDOC");
  insert.AddNumber("NUMLINHA", NumberOf(lot.Get("NumeroLinhaDocComercial")));
  insert.AddText("ARTIGO", EntryField(lot, "Artigo", line, "Artigo"));
  insert.AddText("ARMAZEM", warehouse);
  insert.AddMembers(lot.Object("campos"), kLotColumns);
  insert.AddNumber("QUANT", quantity);
  movement.lots.Add(std::move(insert));
}

void MoveLot(Movement& movement, const LateBoundObject& lot, const LateBoundObject& line) {
  const std::string warehouse = EntryField(lot, "Armazem", line, "Armazem");
  // The import already gives a lot's quantity in the article's base unit.
  const double quantity = NumberOf(lot.Get("QuantidadeMovimentada"));
  if (movement.type.stock == Stock::kTransfer) {
    InsertLot(movement, lot, line, warehouse, -quantity);
    InsertLot(movement, lot, line, movement.destination, quantity);
  } else {
    const int sign = movement.type.StockSign();
    InsertLot(movement, lot, line, warehouse, sign == 0 ? quantity : sign * quantity);
  }
}

void RecordSerial(Movement& movement, const LateBoundObject& serial, const std::string& article,
                  const std::string& warehouse, const std::string& number) {
  InsertStatement insert("NSERMOV");
  insert.AddKey(movement.key, "TPDOC");
  insert.AddNumber("NUMLINHA", NumberOf(serial.Get("NumeroLinhaDocComercial")));
  insert.AddText("ARTIGO", article);
  insert.AddText("ARMAZEM", warehouse);
  insert.AddText("NUMSER", number);
  insert.AddNumber("TIPOLINHA", NumberOf(serial.Get("TipoDeLinha"), 1));
  movement.serial_movements.Add(std::move(insert));
}

void MoveSerial(Movement& movement, const LateBoundObject& serial, const LateBoundObject& line) {
  const auto [number, warehouse] = PlaceOf(serial, line);
  RecordSerial(movement, serial, number.article, warehouse, number.number);

  if (movement.type.stock == Stock::kEntry) {
    movement.entered.push_back({number.article, number.number, warehouse});
    return;
  }
  if (!movement.in_stock) return;
  // The same serial number twice finds the stock as the first left it.
  if (!movement.in_stock->InWarehouse(number, warehouse)) {
    throw Error(kDatabaseError, kSource,
                SerialNotInWarehouseMessage(number.article, number.number, warehouse));
  }
  constexpr char kWhere[] = " WHERE ARTIGO = ? AND NUMSER = ?";
  if (movement.type.stock == Stock::kExit) {
    movement.in_stock->Remove(number);
    movement.serial_stock.push_back({std::string("DELETE FROM NSEREXIS") + kWhere,
                                     {Variant(number.article), Variant(number.number)}});
  } else {
    movement.in_stock->MoveTo(number, movement.destination);
    movement.serial_stock.push_back(
        {std::string("UPDATE NSEREXIS SET ARMAZEM = ?") + kWhere,
         {Variant(movement.destination), Variant(number.article), Variant(number.number)}});
  }
}

// Enters the document's serial numbers into the stock, once none is there already: the first
// the stock holds, or that the document entered before, is refused. Codes compare without case,
// as the company's columns do.
void EnterSerials(const Movement& movement) {
  std::vector<RowKey> serials;
  for (const SerialEntry& entry : movement.entered)
    serials.push_back({entry.article, entry.number});
  const Pairs in_stock = PairsHeld(movement.data_access, "NSEREXIS", {"ARTIGO", "NUMSER"}, serials);
  std::set<std::pair<std::string, std::string>> seen;
  InsertBatch rows(movement.data_access);
  for (const SerialEntry& entry : movement.entered) {
    const std::pair<std::string, std::string> key(UCase(entry.article), UCase(entry.number));
    if (in_stock.count(key) != 0 || !seen.insert(key).second) {
      throw Error(kDatabaseError, kSource,
                  "O número de série " + entry.number + " do artigo " + entry.article +
                      " já existe em stock.");
    }
    InsertStatement row("NSEREXIS");
    row.AddText("ARTIGO", entry.article);
    row.AddText("NUMSER", entry.number);
    row.AddText("ARMAZEM", entry.warehouse);
    row.AddText("DATAENT", movement.date);
    rows.Add(std::move(row));
  }
  rows.Flush();
}

}  // namespace

void ApplyStockEffect(DataAccess& data_access, const DocumentContent& document,
                      const DocumentType& type, const DocumentKey& key) {
  Movement movement(data_access, type, key, TextMember(document.cab, "Terceiro"),
                    IsoDateTimeText(*DateMember(document.cab, "Data")));
  StockChanges changes;
  for (const LateBoundPtr& line : document.lines) AddLineStock(movement, *line, changes);
  ApplyStockChanges(data_access, changes);
  for (const LateBoundPtr& lot : document.lots) MoveLot(movement, *lot, *document.LineOf(*lot));
  if (type.TakesStockOut()) movement.in_stock.emplace(data_access, document);
  for (const LateBoundPtr& serial : document.serials) {
    MoveSerial(movement, *serial, *document.LineOf(*serial));
  }
  if (!movement.serial_stock.empty()) data_access.RunAllWithValues(movement.serial_stock);
  movement.lots.Flush();
  movement.serial_movements.Flush();
  EnterSerials(movement);
}

}  // namespace pellora::vela
