#include "platform/vela/document_validation.h"

#include <optional>

#include "platform/vela/company_sql.h"
#include "platform/vela/document_type.h"
#include "platform/vela/member_values.h"
#include "platform/vela/serial_stock.h"
#include "platform/vela/sql_literal.h"

namespace pellora::vela {

namespace {

bool CodeExists(DataAccess& data_access, const char* table, const std::string& code) {
  return Exists(data_access,
                std::string("SELECT CODIGO FROM ") + table + " WHERE CODIGO = " + SqlText(code));
}

std::string CounterpartRefusal(DataAccess& data_access, const DocumentType& type,
                               const std::string& third_party) {
  if (type.stock == DocumentType::Stock::kTransfer) {
    if (!CodeExists(data_access, "ARMAZENS", third_party)) {
      return "O armazém de destino " + third_party + " não existe.";
    }
  } else if (type.counterpart == DocumentType::Counterpart::kCustomer) {
    if (!CodeExists(data_access, "CLIENTES", third_party)) {
      return "O cliente " + third_party + " não existe.";
    }
  } else if (type.counterpart == DocumentType::Counterpart::kSupplier) {
    if (!CodeExists(data_access, "FORNEC", third_party)) {
      return "O fornecedor " + third_party + " não existe.";
    }
  }
  return {};
}

std::string LineRefusal(DataAccess& data_access, const DocumentType& type,
                        const LateBoundObject& line, size_t number) {
  const std::string article = TextMember(line, "Artigo");
  if (article.empty()) return {};
  const std::string prefix = "Linha " + std::to_string(number) + ": ";
  if (!CodeExists(data_access, "ARTIGOS", article)) {
    return prefix + "o artigo " + article + " não existe.";
  }
  const std::string warehouse = TextMember(line, "Armazem");
  const bool needs_warehouse = type.stock != DocumentType::Stock::kNone;
  if ((needs_warehouse || !warehouse.empty()) && !CodeExists(data_access, "ARMAZENS", warehouse)) {
    return prefix + "o armazém " + warehouse + " não existe.";
  }
  return {};
}

std::string SerialRefusal(DataAccess& data_access, const DocumentType& type,
                          const LateBoundObject& serial, const LateBoundObject* line) {
  const std::string number = TextMember(serial.Object("campos"), "Noserie");
  if (!line) {
    return "O número de série " + number + " não está associado a nenhuma linha do documento.";
  }
  if (!type.TakesStockOut()) return {};
  const std::string article = EntryField(serial, "Artigo", *line, "Artigo");
  const std::string warehouse = EntryField(serial, "Armazem", *line, "Armazem");
  if (SerialInWarehouse(data_access, article, number, warehouse)) return {};
  return SerialNotInWarehouseMessage(article, number, warehouse);
}

}  // namespace

std::string RefusalOf(DataAccess& data_access, const DocumentContent& document) {
  const LateBoundObject& cab = document.cab;
  const std::string type_code = TextMember(cab, "TipoDocumento");
  const std::optional<DocumentType> type = FindDocumentType(data_access, type_code);
  if (!type) return "O tipo de documento " + type_code + " não existe.";
  if (!DateMember(cab, "Data")) return "A data do documento não é válida.";
  const std::string series = TextMember(cab, "Serie");
  if (!Exists(data_access, "SELECT SERIE FROM NOMSERIE WHERE TIPODOC = " + SqlText(type_code) +
                               " AND SERIE = " + SqlText(series))) {
    return "A série " + series + " não existe para o tipo de documento " + type_code + ".";
  }
  std::string refusal = CounterpartRefusal(data_access, *type, TextMember(cab, "Terceiro"));
  for (size_t i = 0; refusal.empty() && i < document.lines.size(); ++i) {
    refusal = LineRefusal(data_access, *type, *document.lines[i], i + 1);
  }
  for (const LateBoundPtr& lot : document.lots) {
    if (!refusal.empty()) break;
    if (!document.LineOf(*lot)) {
      refusal = "O lote " + TextMember(lot->Object("campos"), "CodigoLote") +
                " não está associado a nenhuma linha do documento.";
    }
  }
  for (const LateBoundPtr& serial : document.serials) {
    if (!refusal.empty()) break;
    refusal = SerialRefusal(data_access, *type, *serial, document.LineOf(*serial));
  }
  return refusal;
}

}  // namespace pellora::vela
