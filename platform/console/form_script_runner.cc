#include "platform/console/form_script_runner.h"

#include "runtime/text.h"

namespace pellora::console {

namespace {

void Choose(const FormAction& action, ConsoleFormSurface& form) {
  ConsoleComboBox* combo = form.ComboLabelled(action.target);
  if (!combo) return form.Note("não há o campo " + action.target + ".");
  const long index = combo->IndexOfCode(action.key);
  if (index < 0) return form.Note(action.target + ": o código " + action.key + " não existe.");
  combo->Choose(index);
}

void TypeWhere(const FormAction& action, ConsoleFormSurface& form) {
  ConsoleDataGrid* grid = form.Grid();
  const std::string field = grid ? grid->FieldCaptioned(action.target) : "";
  const std::string key_field = grid ? grid->FieldCaptioned(action.key_column) : "";
  if (field.empty() || key_field.empty()) {
    return form.Note("não há as colunas " + action.key_column + " e " + action.target + ".");
  }
  const std::string row_name = action.key_column + " " + action.key;
  bool found = false;
  for (long row = 0; row < grid->RowCount(); ++row) {
    if (CompareTextNoCase(grid->ShownText(row, key_field), action.key) != 0) continue;
    found = true;
    if (grid->Type(row, field, action.value) != ConsoleDataGrid::Edit::kAccepted) {
      form.Note(row_name + ": o valor " + action.value + " foi recusado.");
    }
  }
  if (!found) form.Note(row_name + ": não há linhas.");
}

void Press(const FormAction& action, ConsoleFormSurface& form) {
  ConsolePushButton* button = form.ButtonNamed(action.target);
  if (!button) return form.Note("não há o botão " + action.target + ".");
  button->Press();
}

}  // namespace

void RunFormScript(const FormScript& script, ConsoleFormSurface& form) {
  for (const FormAction& action : script.actions) {
    if (!form.Visible()) return;
    switch (action.kind) {
      case FormAction::Kind::kChoose:
        Choose(action, form);
        break;
      case FormAction::Kind::kTypeWhere:
        TypeWhere(action, form);
        break;
      case FormAction::Kind::kPress:
        Press(action, form);
        break;
    }
  }
}

}  // namespace pellora::console
