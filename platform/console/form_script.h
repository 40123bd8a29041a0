#ifndef PELLORA_PLATFORM_CONSOLE_FORM_SCRIPT_H_
#define PELLORA_PLATFORM_CONSOLE_FORM_SCRIPT_H_

#include <string>
#include <vector>

namespace pellora::console {

// One thing the operator does on a console form, addressed as the operator sees it: a combo box
// by its label, a grid column by its caption, a button by its caption.
struct FormAction {
  enum class Kind {
    kChoose,     // choose the item showing code `key` in the combo box labelled `target`
    kTypeWhere,  // type `value` into column `target` of every row whose `key_column` shows `key`
    kPress,      // press button `target`
  };

  Kind kind;
  std::string target;
  std::string key;
  std::string key_column;
  std::string value;

  static FormAction Choose(std::string label, std::string code);
  static FormAction TypeWhere(std::string key_column, std::string key, std::string column,
                              std::string value);
  static FormAction Press(std::string caption);
};

// What the operator does on the form with this caption when the console is not interactive.
struct FormScript {
  std::string form_caption;
  std::vector<FormAction> actions;
};

using FormScripts = std::vector<FormScript>;

// The transfer header dialog: each code that is not empty replaces the list's preselection (the
// document type before the series, whose list follows it); then "&Confirmar", or "&Cancelar".
struct TransferHeaderChoice {
  std::string warehouse;
  std::string document_type;
  std::string series;
  std::string sector;
  bool cancel = false;
};
FormScript TransferHeaderScript(const TransferHeaderChoice& choice);

// The unit cost grid: each entry "ARTIGO=VALOR" types the value as the unit price of every row
// of that article; then "&Gravar" and "&Sair".
FormScript UnitCostScript(const std::vector<std::string>& price_entries);

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_FORM_SCRIPT_H_
