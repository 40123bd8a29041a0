#include "platform/console/form_script_runner.h"

#include "runtime/text.h"

namespace pellora::console {

namespace {

using Refusal = std::optional<std::string>;

Refusal Choose(const FormAction& action, ConsoleFormSurface& form) {
  ConsoleComboBox* combo = form.ComboLabelled(action.target);
  if (!combo) return "não há o campo " + action.target + ".";
  const long index = combo->IndexOfCode(action.key);
  if (index < 0) return action.target + ": o código " + action.key + " não existe.";
  combo->Choose(index);
  return std::nullopt;
}

Refusal TypeWhere(const FormAction& action, ConsoleFormSurface& form) {
  ConsoleDataGrid* grid = form.Grid();
  const std::string field = grid ? grid->FieldCaptioned(action.target) : "";
  const std::string key_field = grid ? grid->FieldCaptioned(action.key_column) : "";
  if (field.empty() || key_field.empty()) {
    return "não há as colunas " + action.key_column + " e " + action.target + ".";
  }
  const std::string row_name = action.key_column + " " + action.key;
  bool found = false;
  for (long row = 0; row < grid->RowCount(); ++row) {
    if (CompareTextNoCase(grid->ShownText(row, key_field), action.key) != 0) continue;
    found = true;
    if (grid->Type(row, field, action.value) != ConsoleDataGrid::Edit::kAccepted) {
      return row_name + ": o valor " + action.value + " foi recusado.";
    }
  }
  if (!found) return row_name + ": não há linhas.";
  return std::nullopt;
}

Refusal Press(const FormAction& action, ConsoleFormSurface& form) {
  ConsolePushButton* button = form.ButtonNamed(action.target);
  if (!button) return "não há o botão " + action.target + ".";
  button->Press();
  return std::nullopt;
}

Refusal Act(const FormAction& action, ConsoleFormSurface& form) {
  switch (action.kind) {
    case FormAction::Kind::kChoose:
      return Choose(action, form);
    case FormAction::Kind::kTypeWhere:
      return TypeWhere(action, form);
    case FormAction::Kind::kPress:
      return Press(action, form);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> RunFormScript(const FormScript& script, ConsoleFormSurface& form) {
  for (const FormAction& action : script.actions) {
    if (!form.Visible()) break;
    if (Refusal refused = Act(action, form)) return refused;
  }
  return std::nullopt;
}

}  // namespace pellora::console
