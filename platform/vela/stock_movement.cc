#include "platform/vela/stock_movement.h"

#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/vela/company_sql.h"
#include "platform/vela/insert_batch.h"
#include "platform/vela/member_values.h"
#include "platform/vela/serial_stock.h"
#include "platform/vela/sql_literal.h"
#include "runtime/date_text.h"
#include "runtime/error.h"

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
  InsertBatch serials_in_stock{data_access};
  // The serial numbers this document enters, which its held rows do not show the company yet.
  std::set<std::pair<std::string, std::string>> entered;

  void Flush() {
    lots.Flush();
    serial_movements.Flush();
    serials_in_stock.Flush();
  }
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

  constexpr char kWhere[] = " WHERE ARTIGO = ? AND NUMSER = ?";
  const std::vector<Variant> serial_key = {Variant(article), Variant(number)};
  if (movement.type.stock == Stock::kEntry) {
    if (!movement.entered.emplace(article, number).second ||
        Exists(data_access, std::string("SELECT NUMSER FROM NSEREXIS") + kWhere, serial_key)) {
      throw Error(kDatabaseError, kSource,
                  "O número de série " + number + " do artigo " + article + " já existe em stock.");
    }
    InsertStatement stock("NSEREXIS");
    stock.AddText("ARTIGO", article);
    stock.AddText("NUMSER", number);
    stock.AddText("ARMAZEM", warehouse);
    stock.AddText("DATAENT", movement.date);
    movement.serials_in_stock.Add(std::move(stock));
    return;
  }
  if (!movement.type.TakesStockOut()) return;
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
  movement.Flush();
}

}  // namespace pellora::vela
