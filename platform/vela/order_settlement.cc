#include "platform/vela/order_settlement.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <tuple>

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

  std::string Where(const char* type_column) const {
    return std::string(" WHERE ") + type_column + " = " + UnicodeLiteral(type) +
           " AND SERIE = " + UnicodeLiteral(series) + " AND NNUMDOC = " + SqlNumber(number) +
           " AND ANO = " + SqlNumber(year);
  }
  friend bool operator<(const OrderKey& a, const OrderKey& b) {
    return std::tie(a.type, a.series, a.number, a.year) <
           std::tie(b.type, b.series, b.number, b.year);
  }
};

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

// Takes `quantity` off one original line; answers what it really took (the line never goes
// below nothing to deliver).
double ServeLine(DataAccess& data_access, const OrderKey& order, double line_number,
                 double quantity) {
  const std::string where = order.Where("TPDOCUM") + " AND NUMLINHA = " + SqlNumber(line_number);
  RecordsetPtr line = Query(data_access, "SELECT QUANT, ARTIGO, ARMAZEM FROM DOCGCLIN" + where);
  if (line->Eof()) return 0;
  const double pending = NumberOf(line->Fields("QUANT").Value());
  const double served = std::clamp(quantity, 0.0, std::max(pending, 0.0));
  if (served == 0) return 0;
  Execute(data_access, "UPDATE DOCGCLIN SET QUANT = " + SqlNumber(pending - served) + where);
  if (std::optional<OpenOrderColumns> columns = ColumnsFor(data_access, order.type)) {
    const std::string article = TextOf(line->Fields("ARTIGO").Value());
    const std::string warehouse = TextOf(line->Fields("ARMAZEM").Value());
    Execute(data_access, std::string("UPDATE ARTIGOS SET ") + columns->article + " = " +
                             columns->article + " - " + SqlNumber(served) +
                             " WHERE CODIGO = " + UnicodeLiteral(article));
    Execute(data_access, std::string("UPDATE ARTARM SET ") + columns->warehouse + " = " +
                             columns->warehouse + " - " + SqlNumber(served) +
                             " WHERE ARTIGO = " + UnicodeLiteral(article) +
                             " AND ARMAZEM = " + UnicodeLiteral(warehouse));
  }
  return served;
}

void MarkConvertedWhenServed(DataAccess& data_access, const OrderKey& order) {
  RecordsetPtr pending =
      Query(data_access, "SELECT COUNT(*) AS PENDENTES FROM DOCGCLIN" + order.Where("TPDOCUM") +
                             " AND LINANU = 0 AND QUANT > 0");
  if (CDbl(pending->Fields("PENDENTES").Value()) == 0) {
    Execute(data_access, "UPDATE DOCGCCAB SET [CONVERT] = -1" + order.Where("TPDOC"));
  }
}

}  // namespace

void SettleOriginalOrders(DataAccess& data_access, const DocumentContent& document) {
  std::set<OrderKey> served_orders;
  for (const LateBoundPtr& line : document.lines) {
    OrderKey order{TextMember(*line, "OrDoc"), TextMember(*line, "OrSerie"),
                   NumberOf(line->Get("OrNum")), NumberOf(line->Get("OrAno"))};
    const double line_number = NumberOf(line->Get("LinhaOriginal"));
    if (order.type.empty() || order.number <= 0 || line_number <= 0) continue;
    ServeLine(data_access, order, line_number, NumberOf(line->Get("Quantidade")));
    served_orders.insert(order);
  }
  for (const OrderKey& order : served_orders) MarkConvertedWhenServed(data_access, order);
}

}  // namespace pellora::vela
