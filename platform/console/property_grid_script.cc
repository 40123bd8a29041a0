#include "platform/console/property_grid_script.h"

#include "runtime/text.h"

namespace pellora::console {

namespace {

std::optional<std::string> MakeChoice(const std::string& choice, ConsolePropertyGrid& grid) {
  const long equals = InStr(choice, "=");
  if (equals < 2) return "a escolha \"" + choice + "\" não tem a forma COLUNA=CÓDIGO.";
  const std::string column = Trim(Left(choice, equals - 1));
  const std::string code = Trim(Mid(choice, equals + 1));
  ConsolePropertyItem* item = grid.ItemTagged(column);
  if (item == nullptr) return "não há o parâmetro " + column + ".";
  const long index = item->IndexOfCode(code);
  if (index < 0) {
    return column + " (" + item->Caption() + "): o código \"" + code +
           "\" não está entre as escolhas.";
  }
  grid.Choose(*item, static_cast<size_t>(index));
  return std::nullopt;
}

}  // namespace

std::optional<std::string> MakeScriptedChoices(const std::vector<std::string>& choices,
                                               ConsolePropertyGrid& grid) {
  for (const std::string& choice : choices) {
    if (std::optional<std::string> refused = MakeChoice(choice, grid)) return refused;
  }
  return std::nullopt;
}

}  // namespace pellora::console
