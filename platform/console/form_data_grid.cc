#include "platform/console/form_data_grid.h"

#include <algorithm>
#include <iomanip>
#include <ostream>
#include <sstream>

#include "runtime/text.h"

namespace pellora::console {

namespace {

// Column widths are in twips; a character takes about 100.
const int kTwipsPerCharacter = 100;
const int kRowNumberWidth = 6;

std::string Padded(const std::string& text, size_t width) {
  const size_t length = Len(text);
  return length >= width ? text : text + std::string(width - length, ' ');
}

}  // namespace

void ConsoleDataGrid::Render(std::ostream& out, bool focused) {
  out << FieldHeading("Linhas", focused) << "\n";
  const std::vector<const Column*> visible = VisibleColumns();
  std::vector<size_t> widths;
  std::ostringstream heading;
  heading << std::setw(kRowNumberWidth) << "#";
  for (size_t index = 0; index < visible.size(); ++index) {
    const std::string caption = std::to_string(index + 1) + " " + visible[index]->second.caption;
    widths.push_back(
        std::max<size_t>(Len(caption), visible[index]->second.width / kTwipsPerCharacter));
    heading << " | " << Padded(caption, widths.back());
  }
  out << RTrim(heading.str()) << "\n";
  for (long row = 0; row < RowCount(); ++row) {
    std::ostringstream line;
    line << std::setw(kRowNumberWidth) << row + 1;
    for (size_t index = 0; index < visible.size(); ++index) {
      line << " | " << Padded(ShownText(row, visible[index]->first), widths[index]);
    }
    out << RTrim(line.str()) << "\n";
  }
}

void ConsoleDataGrid::Accept(const std::string& line, std::ostream& out) {
  std::istringstream words(line);
  long row = 0;
  size_t column = 0;
  std::string text;
  const std::vector<const Column*> visible = VisibleColumns();
  if (!(words >> row >> column) || row < 1 || row > RowCount() || column < 1 ||
      column > visible.size()) {
    out << "Linhas: indique linha, coluna e valor (por exemplo \"1 " << visible.size()
        << " 12,5\").\n";
    return;
  }
  std::getline(words >> std::ws, text);
  switch (Type(row - 1, visible[column - 1]->first, text)) {
    case Edit::kLocked:
      out << "Linhas: a coluna " << visible[column - 1]->second.caption << " não é editável.\n";
      break;
    case Edit::kRefused:
      out << "Linhas: valor recusado.\n";
      break;
    case Edit::kAccepted:
      break;
  }
}

}  // namespace pellora::console
