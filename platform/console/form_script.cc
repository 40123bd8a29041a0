#include "platform/console/form_script.h"

#include <utility>

namespace pellora::console {

FormAction FormAction::Choose(std::string label, std::string code) {
  return {Kind::kChoose, std::move(label), std::move(code), "", ""};
}

FormAction FormAction::TypeWhere(std::string key_column, std::string key, std::string column,
                                 std::string value) {
  return {Kind::kTypeWhere, std::move(column), std::move(key), std::move(key_column),
          std::move(value)};
}

FormAction FormAction::Press(std::string caption) {
  return {Kind::kPress, std::move(caption), "", "", ""};
}

FormScript TransferHeaderScript(const TransferHeaderChoice& choice) {
  FormScript script{"Transferências de Armazens", {}};
  const std::pair<const char*, const std::string*> codes[] = {
      {"Armazém Destino", &choice.warehouse},
      {"Tipo Documento", &choice.document_type},
      {"Série", &choice.series},
      {"Sector", &choice.sector}};
  for (const auto& [label, code] : codes) {
    if (!code->empty()) script.actions.push_back(FormAction::Choose(label, *code));
  }
  script.actions.push_back(FormAction::Press(choice.cancel ? "&Cancelar" : "&Confirmar"));
  return script;
}

FormScript UnitCostScript(const std::vector<std::string>& price_entries) {
  FormScript script{"Valores de Inventário", {}};
  for (const std::string& entry : price_entries) {
    // The price never holds "=": the last one ends the article code.
    const size_t equals = entry.rfind('=');
    std::string article = equals == std::string::npos ? entry : entry.substr(0, equals);
    std::string price = equals == std::string::npos ? "" : entry.substr(equals + 1);
    script.actions.push_back(
        FormAction::TypeWhere("Artigo", std::move(article), "Preço Unitário", std::move(price)));
  }
  script.actions.push_back(FormAction::Press("&Gravar"));
  script.actions.push_back(FormAction::Press("&Sair"));
  return script;
}

}  // namespace pellora::console
