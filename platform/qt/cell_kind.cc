#include "platform/qt/cell_kind.h"

#include <QString>
#include <algorithm>
#include <charconv>
#include <string>

namespace pellora::qt {
namespace {

bool Digits(std::string_view text, size_t from, size_t count) {
  if (from + count > text.size()) return false;
  return std::all_of(text.begin() + static_cast<long>(from),
                     text.begin() + static_cast<long>(from + count),
                     [](char c) { return c >= '0' && c <= '9'; });
}

bool IsNumber(std::string_view text) {
  size_t at = text.starts_with('-') ? 1 : 0;
  const size_t digits = text.find_first_not_of("0123456789", at);
  if (digits == at) return false;
  if (digits == std::string_view::npos) return true;
  at = digits;
  if (text[at] != ',' && text[at] != '.') return false;
  return at + 1 < text.size() &&
         text.find_first_not_of("0123456789", at + 1) == std::string_view::npos;
}

// dd-mm-yyyy, then " hh:mm" and ":ss", each optional in turn.
bool IsDate(std::string_view text) {
  if (!Digits(text, 0, 2) || text.substr(2, 1) != "-" || !Digits(text, 3, 2) ||
      text.substr(5, 1) != "-" || !Digits(text, 6, 4)) {
    return false;
  }
  if (text.size() == 10) return true;
  if (text.size() < 16 || text[10] != ' ' || !Digits(text, 11, 2) || text[13] != ':' ||
      !Digits(text, 14, 2)) {
    return false;
  }
  return text.size() == 16 || (text.size() == 19 && text[16] == ':' && Digits(text, 17, 2));
}

CellKind KindOf(std::string_view text) {
  if (IsNumber(text)) return CellKind::kNumber;
  if (IsDate(text)) return CellKind::kDate;
  return CellKind::kText;
}

}  // namespace

CellKind ColumnKind(int rows, const std::function<std::string_view(int)>& cell, int sample) {
  bool seen = false;
  CellKind kind = CellKind::kText;
  for (int row = 0; row < std::min(rows, sample); ++row) {
    const std::string_view text = cell(row);
    if (text.empty()) continue;
    const CellKind this_one = KindOf(text);
    if (this_one == CellKind::kText || (seen && this_one != kind)) return CellKind::kText;
    kind = this_one;
    seen = true;
  }
  return kind;
}

QVariant SortKey(CellKind kind, std::string_view text) {
  if (kind == CellKind::kNumber && IsNumber(text)) {
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
  }
  if (kind == CellKind::kDate && IsDate(text)) {
    std::string key(text.substr(6, 4));
    key.append(text.substr(3, 2)).append(text.substr(0, 2)).append(text.substr(10));
    return QString::fromStdString(key);
  }
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pellora::qt
