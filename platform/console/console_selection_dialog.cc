#include "platform/console/console_selection_dialog.h"

#include <ostream>
#include <utility>

#include "runtime/error.h"

namespace pellora::console {

ConsoleSelectionDialog::ConsoleSelectionDialog(ConsoleTerminal terminal,
                                               std::optional<SelectionScript> script)
    : terminal_(terminal), script_(std::move(script)) {}

void ConsoleSelectionDialog::SetConnection(std::shared_ptr<Connection> connection) {
  connection_ = std::move(connection);
}

void ConsoleSelectionDialog::SetTitle(const std::string& title) {
  title_ = title;
}

void ConsoleSelectionDialog::SetSql(const std::string& sql) {
  sql_ = sql;
}

void ConsoleSelectionDialog::SetWidth(int32_t width) {
  width_ = width;
}

void ConsoleSelectionDialog::Load() {
  if (!connection_) RaiseRuntimeError(kObjectNotSet, "Selecção");
  grid_ = ReadSelectionGrid(*connection_->Execute(sql_));
}

SelectionColumn& ConsoleSelectionDialog::Column(int position) {
  if (position < 1 || static_cast<size_t>(position) > grid_.columns.size()) {
    RaiseRuntimeError(kSubscriptOutOfRange, "Selecção");
  }
  return grid_.columns[position - 1];
}

void ConsoleSelectionDialog::SetMultiSelect(bool multi_select) {
  multi_select_ = multi_select;
}

bool ConsoleSelectionDialog::MultiSelect() const {
  return multi_select_;
}

std::string ConsoleSelectionDialog::Show() {
  selected_ids_.clear();
  terminal_.out << "[" << title_ << "]\n";
  std::vector<size_t> rows;
  if (terminal_.interactive) {
    rows = AskRows();
  } else if (script_) {
    rows = ScriptedRows(*script_, grid_);
  }
  if (!multi_select_ && rows.size() > 1) rows.resize(1);
  for (size_t row : rows) selected_ids_.push_back(grid_.IdOf(row));
  return selected_ids_.empty() ? "" : selected_ids_.front();
}

std::vector<size_t> ConsoleSelectionDialog::AskRows() const {
  if (grid_.rows.empty()) {
    terminal_.out << "Não há linhas para escolher.\n";
    return {};
  }
  PrintSelectionGrid(grid_, width_, terminal_.out);
  const std::string prompt = multi_select_
                                 ? "Linhas a escolher (ex.: 1,3 ou todos; vazio cancela): "
                                 : "Linha a escolher (vazio cancela): ";
  while (true) {
    const std::optional<std::string> answer = terminal_.Ask(prompt);
    if (!answer) return {};
    const RowChoice choice = ParseRowChoice(*answer, grid_.rows.size());
    if (choice.error.empty()) return choice.rows;
    terminal_.out << choice.error << "\n";
  }
}

std::vector<std::string> ConsoleSelectionDialog::SelectedIds() const {
  return selected_ids_;
}

}  // namespace pellora::console
