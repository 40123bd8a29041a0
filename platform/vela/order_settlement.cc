#include "platform/vela/order_settlement.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/vela/company_sql.h"
#include "platform/vela/document_type.h"
#include "platform/vela/member_values.h"
#include "platform/vela/sql_literal.h"
#include "runtime/convert.h"

namespace pellora::vela {
namespace {

struct OrderKey {
  std::string type;
  std::string series;
  double number = 0;
  double year = 0;

  // " WHERE type_column = ? AND ...", its values following those before it.
  std::string Where(const char* type_column) const {
    return std::string(" WHERE ") + type_column + " = ? AND SERIE = ? AND NNUMDOC = ? AND ANO = ?";
  }
  void AddValues(std::vector<Variant>& values) const {
    values.insert(values.end(),
                  {Variant(type), Variant(series), NumberValue(number), NumberValue(year)});
  }
  friend bool operator<(const OrderKey& a, const OrderKey& b) {
    return std::tie(a.type, a.series, a.number, a.year) <
           std::tie(b.type, b.series, b.number, b.year);
  }
};

// A line of an order as the settlement finds it and leaves it.
struct OrderLine {
  double pending = 0;  // QUANT: what is still to deliver
  std::string article, warehouse;
  bool open = false;  // not cancelled (LINANU = 0)
  bool served = false;
};

using OrderLines = std::map<double, OrderLine>;  // by NUMLINHA

OrderLines ReadOrder(DataAccess& data_access, const OrderKey& order) {
  std::vector<Variant> values;
  order.AddValues(values);
  OrderLines lines;
  for (RecordsetPtr rows = Query(
           data_access,
           "SELECT NUMLINHA, QUANT, ARTIGO, ARMAZEM, LINANU FROM DOCGCLIN" + order.Where("TPDOCUM"),
           values);
       !rows->Eof(); rows->MoveNext()) {
    const Variant cancelled = rows->Fields("LINANU").Value();
    lines[NumberOf(rows->Fields("NUMLINHA").Value())] = OrderLine{
        NumberOf(rows->Fields("QUANT").Value()), TextOf(rows->Fields("ARTIGO").Value()),
        TextOf(rows->Fields("ARMAZEM").Value()), !IsBlank(cancelled) && NumberOf(cancelled) == 0};
  }
  return lines;
}

// The quantity columns of open orders that an order of this counterpart feeds.
struct OpenOrderColumns {
  const char* article;
  const char* warehouse;
};

std::optional<OpenOrderColumns> ColumnsFor(DataAccess& data_access, const std::string& type) {
  const std::optional<DocumentType> order_type = FindDocumentType(data_access, type);
  if (!order_type) return std::nullopt;
  switch (order_type->counterpart) {
    case DocumentType::Counterpart::kCustomer:
      return OpenOrderColumns{"TOTENCCL", "ARMENCCL"};
    case DocumentType::Counterpart::kSupplier:
      return OpenOrderColumns{"TOTENCFO", "ARMENCFO"};
    case DocumentType::Counterpart::kNone:
      return std::nullopt;
  }
  return std::nullopt;
}

// What the document served: the orders as it leaves them, and the quantities on open orders to
// take off each article and warehouse, summed so that each row is written once.
class Settlement {
 public:
  explicit Settlement(DataAccess& data_access) : data_access_(data_access) {}

  // Takes `quantity` off one original line, never below nothing to deliver.
  void Serve(const OrderKey& key, double line_number, double quantity) {
    auto order = orders_.find(key);
    if (order == orders_.end()) order = orders_.emplace(key, ReadOrder(data_access_, key)).first;
    const auto line = order->second.find(line_number);
    if (line == order->second.end()) return;
    OrderLine& original = line->second;
    const double served = std::clamp(quantity, 0.0, std::max(original.pending, 0.0));
    if (served == 0) return;
    original.pending -= served;
    original.served = true;
    if (const std::optional<OpenOrderColumns>& columns = Columns(key.type)) {
      per_article_[{columns->article, original.article}] += served;
      per_warehouse_[{columns->warehouse, original.article, original.warehouse}] += served;
    }
  }

  // The served lines, the quantities on open orders and the orders left with nothing to
  // deliver, marked converted ([CONVERT] = -1), in one exchange.
  void Write() {
    std::vector<ValuedStatement> writes;
    for (const auto& [key, lines] : orders_) {
      bool pending = false;
      for (const auto& [number, line] : lines) {
        pending = pending || (line.open && line.pending > 0);
        if (!line.served) continue;
        ValuedStatement update{
            "UPDATE DOCGCLIN SET QUANT = ?" + key.Where("TPDOCUM") + " AND NUMLINHA = ?",
            {NumberValue(line.pending)}};
        key.AddValues(update.values);
        update.values.push_back(NumberValue(number));
        writes.push_back(std::move(update));
      }
      if (pending) continue;
      ValuedStatement converted{"UPDATE DOCGCCAB SET [CONVERT] = -1" + key.Where("TPDOC"), {}};
      key.AddValues(converted.values);
      writes.push_back(std::move(converted));
    }
    for (const auto& [column_and_article, served] : per_article_) {
      const auto& [column, article] = column_and_article;
      writes.push_back(
          {std::string("UPDATE ARTIGOS SET ") + column + " = " + column + " - ? WHERE CODIGO = ?",
           {NumberValue(served), Variant(article)}});
    }
    for (const auto& [place, served] : per_warehouse_) {
      const auto& [column, article, warehouse] = place;
      writes.push_back({std::string("UPDATE ARTARM SET ") + column + " = " + column +
                            " - ? WHERE ARTIGO = ? AND ARMAZEM = ?",
                        {NumberValue(served), Variant(article), Variant(warehouse)}});
    }
    if (!writes.empty()) data_access_.RunAllWithValues(writes);
  }

 private:
  const std::optional<OpenOrderColumns>& Columns(const std::string& type) {
    auto found = columns_.find(type);
    if (found == columns_.end())
      found = columns_.emplace(type, ColumnsFor(data_access_, type)).first;
    return found->second;
  }

  DataAccess& data_access_;
  std::map<OrderKey, OrderLines> orders_;
  std::map<std::string, std::optional<OpenOrderColumns>> columns_;     // by order type
  std::map<std::pair<std::string, std::string>, double> per_article_;  // column, article
  std::map<std::tuple<std::string, std::string, std::string>, double> per_warehouse_;
};

}  // namespace

void SettleOriginalOrders(DataAccess& data_access, const DocumentContent& document) {
  Settlement settlement(data_access);
  for (const LateBoundPtr& line : document.lines) {
    const OrderKey order{TextMember(*line, "OrDoc"), TextMember(*line, "OrSerie"),
                         NumberOf(line->Get("OrNum")), NumberOf(line->Get("OrAno"))};
    const double line_number = NumberOf(line->Get("LinhaOriginal"));
    if (order.type.empty() || order.number <= 0 || line_number <= 0) continue;
    settlement.Serve(order, line_number, NumberOf(line->Get("Quantidade")));
  }
  settlement.Write();
}

}  // namespace pellora::vela
