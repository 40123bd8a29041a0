#include "platform/console/property_grid_surface.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <utility>

#include "runtime/text.h"

namespace pellora::console {

namespace {

const char kDefaultButton[] = "sair";

// A whole decimal number; nullopt for anything else.
std::optional<long> NumberTyped(const std::string& typed) {
  long number = 0;
  const auto [end, failure] = std::from_chars(typed.data(), typed.data() + typed.size(), number);
  if (failure != std::errc() || end != typed.data() + typed.size()) return std::nullopt;
  return number;
}

}  // namespace

ConsolePropertyGridSurface::ConsolePropertyGridSurface(ConsoleTerminal terminal,
                                                       PropertyGridScript script)
    : FormWithPropertyGrid(terminal), terminal_(terminal), script_(std::move(script)) {}

void ConsolePropertyGridSurface::ShowModal() {
  visible_ = true;
  if (terminal_.interactive) {
    RunTerminal();
  } else {
    RunScript();
  }
}

void ConsolePropertyGridSurface::Render(std::ostream& out) {
  form_.Render(out);
  grid_.Render(out);
}

void ConsolePropertyGridSurface::Handle(const std::string& line) {
  const std::string typed = Trim(line);
  if (CompareTextNoCase(typed, "fechar") == 0) return Close("");
  const std::optional<long> number = NumberTyped(typed);
  if (!number) return form_.Handle(typed);
  ConsolePropertyItem* item = grid_.ItemNumbered(*number);
  if (item == nullptr) return form_.Note("não há o parâmetro " + typed + ".");
  ChooseEntry(*item);
}

void ConsolePropertyGridSurface::RunTerminal() {
  while (visible_) {
    Render(terminal_.out);
    const std::optional<std::string> line =
        terminal_.Ask("Escolha (número do parâmetro, nome de um botão ou \"fechar\"): ");
    if (!line) return Close("");
    Handle(*line);
  }
}

void ConsolePropertyGridSurface::ChooseEntry(ConsolePropertyItem& item) {
  ConsolePropertyGrid::RenderEntries(item, terminal_.out);
  const std::optional<std::string> line = terminal_.Ask("Entrada (número; vazio mantém): ");
  const std::string typed = line ? Trim(*line) : "";
  if (typed.empty()) return;
  const std::optional<long> number = NumberTyped(typed);
  const long count = static_cast<long>(item.Entries().size());
  if (!number || *number < 1 || *number > count) {
    return form_.Note(item.Caption() + ": indique o número de uma entrada (1 a " +
                      std::to_string(count) + ").");
  }
  grid_.Choose(item, static_cast<size_t>(*number - 1));
}

void ConsolePropertyGridSurface::RunScript() {
  Render(terminal_.out);
  std::optional<std::string> refused = MakeScriptedChoices(script_.choices, grid_);
  const std::string button = script_.button.empty() ? kDefaultButton : script_.button;
  ConsolePushButton* pressed = refused ? nullptr : form_.ButtonNamed(button);
  if (!refused && pressed == nullptr) refused = "não há o botão " + button + ".";
  if (refused) {
    if (script_.refused) script_.refused(*refused);
    return Close("erro: " + *refused + " Nada foi gravado.");
  }
  grid_.Render(terminal_.out);
  pressed->Press();
  if (visible_) Close("sem mais respostas: a janela foi fechada.");
}

void ConsolePropertyGridSurface::Close(const std::string& note) {
  if (!note.empty()) form_.Note(note);
  visible_ = false;
}

}  // namespace pellora::console
