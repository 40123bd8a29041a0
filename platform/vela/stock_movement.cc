#include "platform/vela/stock_movement.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/vela/company_sql.h"
#include "platform/vela/insert_batch.h"
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
};

double Factor(const LateBoundObject& line) {
  const double factor = NumberOf(line.Get("Factor"), 1);
  return factor == 0 ? 1 : factor;
}

void AddStock(DataAccess& data_access, const std::string& article, const std::string& warehouse,
              double quantity) {
  const std::vector<Variant> place = {Variant(article), Variant(warehouse)};
  if (Exists(data_access, "SELECT ARTIGO FROM ARTARM WHERE ARTIGO = ? AND ARMAZEM = ?", place)) {
    Execute(data_access,
            "UPDATE ARTARM SET EXISTENC = EXISTENC + ? WHERE ARTIGO = ? AND ARMAZEM = ?",
            {NumberValue(quantity), place[0], place[1]});
  } else {
    InsertStatement insert("ARTARM");
    insert.AddText("ARTIGO", article);
    insert.AddText("ARMAZEM", warehouse);
    insert.AddNumber("EXISTENC", quantity);
    insert.Run(data_access);
  }
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

void ApplyStockChanges(DataAccess& data_access, const StockChanges& changes) {
  for (const auto& [place, quantity] : changes.in_warehouse) {
    AddStock(data_access, place.first, place.second, quantity);
  }
  for (const auto& [article, quantity] : changes.in_total) {
    Execute(data_access, "UPDATE ARTIGOS SET STDISP = STDISP + ? WHERE CODIGO = ?",
            {NumberValue(quantity), Variant(article)});
  }
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
  DataAccess& data_access = movement.data_access;
  const std::string article = EntryField(serial, "Artigo", line, "Artigo");
  const std::string warehouse = EntryField(serial, "Armazem", line, "Armazem");
  const std::string number = TextMember(serial.Object("campos"), "Noserie");
  RecordSerial(movement, serial, article, warehouse, number);

  if (movement.type.stock == Stock::kEntry) {
    movement.entered.push_back({article, number, warehouse});
    return;
  }
  if (!movement.type.TakesStockOut()) return;
  constexpr char kWhere[] = " WHERE ARTIGO = ? AND NUMSER = ?";
  const std::vector<Variant> serial_key = {Variant(article), Variant(number)};
  if (!SerialInWarehouse(data_access, article, number, warehouse)) {
    throw Error(kDatabaseError, kSource, SerialNotInWarehouseMessage(article, number, warehouse));
  }
  if (movement.type.stock == Stock::kExit) {
    Execute(data_access, std::string("DELETE FROM NSEREXIS") + kWhere, serial_key);
  } else {
    Execute(data_access, std::string("UPDATE NSEREXIS SET ARMAZEM = ?") + kWhere,
            {Variant(movement.destination), serial_key[0], serial_key[1]});
  }
}

// The serial numbers of `entered` that the stock holds already, in upper case: looked up a
// hundred at a time, one round trip each.
std::set<std::pair<std::string, std::string>> AlreadyInStock(
    DataAccess& data_access, const std::vector<SerialEntry>& entered) {
  constexpr size_t kPerQuery = 100;
  std::set<std::pair<std::string, std::string>> found;
  for (size_t first = 0; first < entered.size(); first += kPerQuery) {
    std::string sql = "SELECT ARTIGO, NUMSER FROM NSEREXIS WHERE ";
    std::vector<Variant> values;
    for (size_t i = first; i < std::min(entered.size(), first + kPerQuery); ++i) {
      sql += i == first ? "(ARTIGO = ? AND NUMSER = ?)" : " OR (ARTIGO = ? AND NUMSER = ?)";
      values.emplace_back(entered[i].article);
      values.emplace_back(entered[i].number);
    }
    for (RecordsetPtr rows = Query(data_access, sql, values); !rows->Eof(); rows->MoveNext()) {
      found.emplace(UCase(CStr(rows->Fields("ARTIGO").Value())),
                    UCase(CStr(rows->Fields("NUMSER").Value())));
    }
  }
  return found;
}

// Enters the document's serial numbers into the stock, once none is there already: the first
// the stock holds, or that the document entered before, is refused. Codes compare without case,
// as the company's columns do.
void EnterSerials(const Movement& movement) {
  const auto in_stock = AlreadyInStock(movement.data_access, movement.entered);
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
  for (const LateBoundPtr& serial : document.serials) {
    MoveSerial(movement, *serial, *document.LineOf(*serial));
  }
  movement.lots.Flush();
  movement.serial_movements.Flush();
  EnterSerials(movement);
}

}  // namespace pellora::vela
