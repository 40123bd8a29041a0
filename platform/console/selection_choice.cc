#include "platform/console/selection_choice.h"

#include <algorithm>
#include <numeric>
#include <sstream>

#include "runtime/text.h"

namespace pellora::console {
namespace {

// "todos" (or "all") stands for every row.
bool MeansAllRows(const std::string& text) {
  const std::string word = LCase(Trim(text));
  return word == "todos" || word == "all";
}

std::vector<size_t> AllRows(size_t row_count) {
  std::vector<size_t> rows(row_count);
  std::iota(rows.begin(), rows.end(), 0);
  return rows;
}

// The whole of `word` as a row number from 1 to `row_count`, or 0.
size_t RowNumber(const std::string& word, size_t row_count) {
  if (word.empty() || word.size() > 9 || word.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  const size_t number = std::stoul(word);
  return number <= row_count ? number : 0;
}

}  // namespace

SelectionScript ParseSelectionScript(const std::string& text) {
  SelectionScript script;
  if (MeansAllRows(text)) {
    script.all = true;
    return script;
  }
  std::istringstream items(text);
  for (std::string id; std::getline(items, id, ',');) {
    if (!Trim(id).empty()) script.ids.push_back(Trim(id));
  }
  return script;
}

RowChoice ScriptedRows(const SelectionScript& script, const SelectionGrid& grid) {
  RowChoice choice;
  if (script.all) {
    choice.rows = AllRows(grid.rows.size());
    return choice;
  }
  for (const std::string& id : script.ids) {
    size_t row = 0;
    while (row < grid.rows.size() && grid.IdOf(row) != id) ++row;
    if (row == grid.rows.size()) return {{}, "a linha '" + id + "' não está na lista."};
    choice.rows.push_back(row);
  }
  return choice;
}

RowChoice ParseRowChoice(const std::string& answer, size_t row_count) {
  RowChoice choice;
  if (MeansAllRows(answer)) {
    choice.rows = AllRows(row_count);
    return choice;
  }
  std::string words = answer;
  std::replace(words.begin(), words.end(), ',', ' ');
  std::istringstream items(words);
  for (std::string word; items >> word;) {
    const size_t number = RowNumber(word, row_count);
    if (number == 0) {
      choice.error = "Número de linha inválido: " + word;
      return choice;
    }
    choice.rows.push_back(number - 1);
  }
  return choice;
}

}  // namespace pellora::console
