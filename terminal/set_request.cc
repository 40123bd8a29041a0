#include "terminal/set_request.h"

#include <nlohmann/json.hpp>

#include "terminal/request_error.h"

namespace pellora::terminal {
namespace {

using nlohmann::json;

[[noreturn]] void Refuse(const std::string& message) {
  throw RequestError(400, message);
}

// A text member: "" when absent or null, refused when of another type.
std::string Text(const json& object, const char* name, const std::string& where) {
  const auto member = object.find(name);
  if (member == object.end() || member->is_null()) return "";
  if (!member->is_string()) Refuse(where + "o campo " + name + " deve ser um texto.");
  return member->get<std::string>();
}

std::string RequiredText(const json& object, const char* name, const std::string& where) {
  std::string text = Text(object, name, where);
  if (text.empty()) Refuse(where + "falta o campo " + name + ".");
  return text;
}

// A whole number member that fits an int; nothing when absent or null.
std::optional<int> Whole(const json& object, const char* name, const std::string& where) {
  const auto member = object.find(name);
  if (member == object.end() || member->is_null()) return std::nullopt;
  if (!member->is_number_integer() || *member < 0 || *member > 99999999) {
    Refuse(where + "o campo " + name + " deve ser um número inteiro de 0 a 99999999.");
  }
  return member->get<int>();
}

bool IsExpiry(const std::string& text) {
  if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  const int month = std::stoi(text.substr(4, 2)), day = std::stoi(text.substr(6, 2));
  return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

ReadingRequest ParseReading(const json& item, size_t position) {
  const std::string where = "Leitura " + std::to_string(position) + ": ";
  if (!item.is_object()) Refuse(where + "deve ser um objeto JSON.");
  ReadingRequest reading;
  reading.article = RequiredText(item, "article", where);
  const auto quantity = item.find("quantity");
  if (quantity == item.end() || !quantity->is_number()) {
    Refuse(where + "o campo quantity deve ser um número.");
  }
  reading.quantity = quantity->get<double>();
  reading.unit = Text(item, "unit", where);
  reading.lot = Text(item, "lot", where);
  reading.supplier_lot = Text(item, "supplier_lot", where);
  reading.expiry = Text(item, "expiry", where);
  if (!reading.expiry.empty() && !IsExpiry(reading.expiry)) {
    Refuse(where + "a validade " + reading.expiry + " não é uma data AAAAMMDD.");
  }
  reading.serial = Text(item, "serial", where);
  reading.location = Text(item, "location", where);
  reading.line = Whole(item, "line", where);
  return reading;
}

OrderKey ParseOrder(const json& order) {
  const std::string where = "Encomenda: ";
  if (!order.is_object()) Refuse(where + "deve ser um objeto JSON.");
  OrderKey key{RequiredText(order, "tpdoc", where), RequiredText(order, "serie", where)};
  const std::optional<int> numero = Whole(order, "numero", where), ano = Whole(order, "ano", where);
  if (!numero || !ano) Refuse(where + "faltam os campos numero e ano.");
  key.numero = *numero;
  key.ano = *ano;
  return key;
}

}  // namespace

SetRequest ParseSetRequest(const std::string& body) {
  const json root = json::parse(body, nullptr, false);
  if (root.is_discarded()) Refuse("O pedido não é JSON válido.");
  if (!root.is_object()) Refuse("O pedido deve ser um objeto JSON.");
  SetRequest set;
  set.id = RequiredText(root, "id", "");
  if (set.id.size() > 64) Refuse("O campo id tem mais de 64 caracteres.");
  for (unsigned char c : set.id) {
    if (c < 0x20 || c == 0x7F) Refuse("O campo id tem caracteres de controlo.");
  }
  const std::string kind = RequiredText(root, "kind", "");
  if (kind.size() != 1 || std::string("IATES").find(kind[0]) == std::string::npos) {
    Refuse("Tipo de movimento desconhecido: " + kind + " (use I, A, T, E ou S).");
  }
  set.kind = kind[0];
  set.warehouse = RequiredText(root, "warehouse", "");
  set.third_party = Text(root, "third_party", "");
  if (root.contains("terminal")) set.terminal = Text(root, "terminal", "");
  if (root.contains("order") && !root["order"].is_null()) set.order = ParseOrder(root["order"]);
  const bool with_party = set.kind == 'E' || set.kind == 'S' || set.kind == 'T';
  if (with_party && set.third_party.empty()) {
    Refuse(std::string(set.kind == 'T' ? "Uma transferência deve indicar o armazém de destino"
                                       : "Uma entrada ou saída deve indicar o terceiro") +
           " no campo third_party.");
  }
  if (!with_party && !set.third_party.empty()) {
    Refuse("Um inventário ou acerto não tem terceiro: retire o campo third_party.");
  }
  if (set.order && set.kind != 'E' && set.kind != 'S') {
    Refuse("Só as entradas e saídas se leem contra uma encomenda.");
  }
  const auto readings = root.find("readings");
  if (readings == root.end() || !readings->is_array() || readings->empty()) {
    Refuse("O conjunto deve ter uma lista readings com pelo menos uma leitura.");
  }
  if (readings->size() > kMostReadingsInSet) {
    Refuse("O conjunto tem mais de " + std::to_string(kMostReadingsInSet) + " leituras.");
  }
  for (size_t i = 0; i < readings->size(); ++i) {
    set.readings.push_back(ParseReading((*readings)[i], i + 1));
  }
  return set;
}

}  // namespace pellora::terminal
