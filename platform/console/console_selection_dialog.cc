#include "platform/console/console_selection_dialog.h"

#include <ostream>
#include <utility>

namespace pellora::console {

ConsoleSelectionDialog::ConsoleSelectionDialog(ConsoleTerminal terminal,
                                               std::optional<SelectionScript> script,
                                               ScriptRefusal refused)
    : terminal_(terminal), script_(std::move(script)), refused_(std::move(refused)) {}

std::string ConsoleSelectionDialog::Show() {
  terminal_.out << "[" << Title() << "]\n";
  std::vector<size_t> rows;
  if (terminal_.interactive) {
    rows = AskRows();
  } else if (script_) {
    const RowChoice choice = ScriptedRows(*script_, Grid());
    if (!choice.error.empty()) {
      terminal_.out << "[" << Title() << "] erro: " << choice.error << " Nada foi escolhido.\n";
      if (refused_) refused_(choice.error);
    }
    rows = choice.rows;
  }
  std::vector<std::string> ids;
  for (size_t row : rows) ids.push_back(Grid().IdOf(row));
  return Chosen(std::move(ids));
}

std::vector<size_t> ConsoleSelectionDialog::AskRows() const {
  if (Grid().rows.empty()) {
    terminal_.out << "Não há linhas para escolher.\n";
    return {};
  }
  PrintSelectionGrid(Grid(), Width(), terminal_.out);
  const std::string prompt = MultiSelect()
                                 ? "Linhas a escolher (ex.: 1,3 ou todos; vazio cancela): "
                                 : "Linha a escolher (vazio cancela): ";
  while (true) {
    const std::optional<std::string> answer = terminal_.Ask(prompt);
    if (!answer) return {};
    const RowChoice choice = ParseRowChoice(*answer, Grid().rows.size());
    if (choice.error.empty()) return choice.rows;
    terminal_.out << choice.error << "\n";
  }
}

}  // namespace pellora::console
