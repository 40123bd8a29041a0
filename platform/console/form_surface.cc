#include "platform/console/form_surface.h"

#include <ostream>
#include <utility>

#include "platform/console/form_script_runner.h"
#include "runtime/text.h"

namespace pellora::console {

ConsoleFormSurface::ConsoleFormSurface(ConsoleTerminal terminal, FormScripts scripts,
                                       ScriptRefusal refused)
    : terminal_(terminal), scripts_(std::move(scripts)), refused_(std::move(refused)) {}

ComboBox& ConsoleFormSurface::AddComboBox(const std::string& label) {
  combos_.push_back(std::make_unique<ConsoleComboBox>(label));
  fields_.push_back(combos_.back().get());
  return *combos_.back();
}

PushButton& ConsoleFormSurface::AddPushButton(const std::string& caption) {
  buttons_.push_back(std::make_unique<ConsolePushButton>(caption));
  return *buttons_.back();
}

DataGrid& ConsoleFormSurface::AddDataGrid() {
  grids_.push_back(std::make_unique<ConsoleDataGrid>());
  fields_.push_back(grids_.back().get());
  return *grids_.back();
}

void ConsoleFormSurface::ShowModal() {
  visible_ = true;
  if (terminal_.interactive) {
    RunTerminal();
  } else {
    RunScript();
  }
}

void ConsoleFormSurface::MoveFocusNext() {
  if (!fields_.empty()) focus_ = (focus_ + 1) % fields_.size();
}

void ConsoleFormSurface::Render(std::ostream& out) {
  out << "== " << caption_ << " ==\n";
  for (size_t index = 0; index < fields_.size(); ++index) {
    fields_[index]->Render(out, index == focus_);
  }
  out << "Botões:";
  for (const auto& button : buttons_) out << " [" << button->ShownCaption() << "]";
  out << "\n";
}

void ConsoleFormSurface::Handle(const std::string& line) {
  const std::string typed = Trim(line);
  if (typed.empty()) return PressKey('\r');
  if (CompareTextNoCase(typed, "fechar") == 0) return Close();
  if (ConsolePushButton* button = ButtonNamed(typed)) return button->Press();
  if (fields_.empty()) return Note("esta janela não tem campos.");
  fields_[focus_]->Accept(typed, terminal_.out);
}

void ConsoleFormSurface::PressKey(int key_ascii) {
  // A console field has no use of its own for a key that the form lets through.
  if (key_preview_) key_preview_(key_ascii);
}

void ConsoleFormSurface::Note(const std::string& text) {
  terminal_.out << "[" << caption_ << "] " << text << "\n";
}

ConsoleComboBox* ConsoleFormSurface::ComboLabelled(std::string_view label) {
  for (const auto& combo : combos_) {
    if (CompareTextNoCase(combo->Label(), label) == 0) return combo.get();
  }
  return nullptr;
}

ConsoleDataGrid* ConsoleFormSurface::Grid() {
  return grids_.empty() ? nullptr : grids_.front().get();
}

ConsolePushButton* ConsoleFormSurface::ButtonNamed(std::string_view caption) {
  for (const auto& button : buttons_) {
    if (button->IsNamed(caption)) return button.get();
  }
  return nullptr;
}

void ConsoleFormSurface::RunTerminal() {
  while (visible_) {
    Render(terminal_.out);
    const std::optional<std::string> line = terminal_.Ask(
        "Escolha (número do item, \"linha coluna valor\" na grelha, Enter para o campo "
        "seguinte, nome de um botão ou \"fechar\"): ");
    if (!line) return Close();
    Handle(*line);
  }
}

void ConsoleFormSurface::RunScript() {
  Render(terminal_.out);
  for (const FormScript& script : scripts_) {
    if (script.form_caption != caption_) continue;
    if (const std::optional<std::string> refused = RunFormScript(script, *this)) {
      Note("erro: " + *refused + " A janela foi fechada; nada foi gravado.");
      if (refused_) refused_(*refused);
      return Close();
    }
  }
  if (!visible_) return;
  Note("sem resposta: a janela foi fechada.");
  Close();
}

}  // namespace pellora::console
