#include "platform/console/form_combo_box.h"

#include <charconv>
#include <ostream>

#include "interfaces/coded_item.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace pellora::console {

namespace {

// VB's "Invalid property value", for an index outside the list.
const long kInvalidPropertyValue = 380;

}  // namespace

void ConsoleComboBox::Choose(long index) {
  SetListIndex(index);
  if (on_click_) on_click_();
}

long ConsoleComboBox::IndexOfCode(std::string_view code) const {
  for (long index = 0; index < ListCount(); ++index) {
    if (CompareTextNoCase(CodeOfItem(items_[index]), code) == 0) return index;
  }
  return -1;
}

void ConsoleComboBox::Clear() {
  items_.clear();
  list_index_ = -1;
}

void ConsoleComboBox::AddItem(const std::string& text) {
  items_.push_back(text);
}

long ConsoleComboBox::ListCount() const {
  return static_cast<long>(items_.size());
}

std::string ConsoleComboBox::List(long index) const {
  return index >= 0 && index < ListCount() ? items_[index] : std::string();
}

void ConsoleComboBox::SetListIndex(long index) {
  if (index < -1 || index >= ListCount()) {
    throw Error(kInvalidPropertyValue, "ComboBox", "Valor de propriedade inválido");
  }
  list_index_ = index;
}

std::string ConsoleComboBox::Text() const {
  return List(list_index_);
}

void ConsoleComboBox::Render(std::ostream& out, bool focused) {
  out << FieldHeading(label_, focused) << "\n";
  for (long index = 0; index < ListCount(); ++index) {
    out << (index == list_index_ ? "    * " : "      ") << index + 1 << ") " << items_[index]
        << "\n";
  }
}

void ConsoleComboBox::Accept(const std::string& line, std::ostream& out) {
  const std::string number = Trim(line);
  long chosen = 0;
  const auto [end, failure] = std::from_chars(number.data(), number.data() + number.size(), chosen);
  if (failure != std::errc() || end != number.data() + number.size() || chosen < 1 ||
      chosen > ListCount()) {
    out << label_ << ": indique o número de um item (1 a " << ListCount() << ").\n";
    return;
  }
  Choose(chosen - 1);
}

}  // namespace pellora::console
