#include "platform/vela/document_validation.h"

#include <map>
#include <optional>
#include <string>

#include "platform/vela/company_sql.h"
#include "platform/vela/document_type.h"
#include "platform/vela/member_values.h"
#include "platform/vela/serial_stock.h"
#include "platform/vela/sql_literal.h"

namespace pellora::vela {

namespace {

// Looks each code up once per validation: a document names few articles and warehouses on
// many lines.
class CodeLookup {
 public:
  explicit CodeLookup(DataAccess& data_access) : data_access_(data_access) {}

  bool Exists(const char* table, const std::string& code) {
    auto [known, first_time] = known_.try_emplace(std::string(table) + '\n' + code, false);
    if (first_time) {
      known->second = vela::Exists(data_access_, std::string("SELECT CODIGO FROM ") + table +
                                                     " WHERE CODIGO = " + UnicodeLiteral(code));
    }
    return known->second;
  }

 private:
  DataAccess& data_access_;
  std::map<std::string, bool> known_;
};

std::string CounterpartRefusal(CodeLookup& codes, const DocumentType& type,
                               const std::string& third_party) {
  if (type.stock == DocumentType::Stock::kTransfer) {
    if (!codes.Exists("ARMAZENS", third_party)) {
      return "O armazém de destino " + third_party + " não existe.";
    }
  } else if (type.counterpart == DocumentType::Counterpart::kCustomer) {
    if (!codes.Exists("CLIENTES", third_party)) {
      return "O cliente " + third_party + " não existe.";
    }
  } else if (type.counterpart == DocumentType::Counterpart::kSupplier) {
    if (!codes.Exists("FORNEC", third_party)) {
      return "O fornecedor " + third_party + " não existe.";
    }
  }
  return {};
}

std::string LineRefusal(CodeLookup& codes, const DocumentType& type, const LateBoundObject& line,
                        size_t number) {
  const std::string article = TextMember(line, "Artigo");
  if (article.empty()) return {};
  const std::string prefix = "Linha " + std::to_string(number) + ": ";
  if (!codes.Exists("ARTIGOS", article)) {
    return prefix + "o artigo " + article + " não existe.";
  }
  const std::string warehouse = TextMember(line, "Armazem");
  const bool needs_warehouse = type.stock != DocumentType::Stock::kNone;
  if ((needs_warehouse || !warehouse.empty()) && !codes.Exists("ARMAZENS", warehouse)) {
    return prefix + "o armazém " + warehouse + " não existe.";
  }
  return {};
}

// `in_stock`: the serial numbers as the stock holds them, for a document that takes stock out.
std::string SerialRefusal(const std::optional<SerialsInStock>& in_stock,
                          const LateBoundObject& serial, const LateBoundObject* line) {
  if (!line) {
    return "O número de série " + TextMember(serial.Object("campos"), "Noserie") +
           " não está associado a nenhuma linha do documento.";
  }
  if (!in_stock) return {};
  const SerialPlace place = PlaceOf(serial, *line);
  if (in_stock->InWarehouse(place.serial, place.warehouse)) return {};
  return SerialNotInWarehouseMessage(place.serial.article, place.serial.number, place.warehouse);
}

}  // namespace

std::string RefusalOf(DataAccess& data_access, const DocumentContent& document) {
  const LateBoundObject& cab = document.cab;
  const std::string type_code = TextMember(cab, "TipoDocumento");
  const std::optional<DocumentType> type = FindDocumentType(data_access, type_code);
  if (!type) return "O tipo de documento " + type_code + " não existe.";
  if (!DateMember(cab, "Data")) return "A data do documento não é válida.";
  const std::string series = TextMember(cab, "Serie");
  if (!Exists(data_access,
              "SELECT SERIE FROM NOMSERIE WHERE TIPODOC = " + UnicodeLiteral(type_code) +
                  " AND SERIE = " + UnicodeLiteral(series))) {
    return "A série " + series + " não existe para o tipo de documento " + type_code + ".";
  }
  CodeLookup codes(data_access);
  std::string refusal = CounterpartRefusal(codes, *type, TextMember(cab, "Terceiro"));
  for (size_t i = 0; refusal.empty() && i < document.lines.size(); ++i) {
    refusal = LineRefusal(codes, *type, *document.lines[i], i + 1);
  }
  for (const LateBoundPtr& lot : document.lots) {
    if (!refusal.empty()) break;
    if (!document.LineOf(*lot)) {
      refusal = "O lote " + TextMember(lot->Object("campos"), "CodigoLote") +
                " não está associado a nenhuma linha do documento.";
    }
  }
  if (!refusal.empty()) return refusal;
  std::optional<SerialsInStock> in_stock;
  if (type->TakesStockOut()) in_stock.emplace(data_access, document);
  for (const LateBoundPtr& serial : document.serials) {
    if (!refusal.empty()) break;
    refusal = SerialRefusal(in_stock, *serial, document.LineOf(*serial));
  }
  return refusal;
}

}  // namespace pellora::vela
