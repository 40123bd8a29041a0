#ifndef PELLORA_PLATFORM_QT_CELL_KIND_H_
#define PELLORA_PLATFORM_QT_CELL_KIND_H_

#include <QVariant>
#include <functional>
#include <string_view>

namespace pellora::qt {

// What a column of texts holds, as the system writes values: numbers ("-12", "6,5"), dates
// ("31-12-2026", with " hh:mm" or " hh:mm:ss" or not), or anything else.
enum class CellKind { kText, kNumber, kDate };

// The kind of a column from its first `sample` texts (blanks say nothing): numbers or dates when
// every one is, else text. `cell(row)` gives the text of a row, for rows 0 to `rows` - 1.
CellKind ColumnKind(int rows, const std::function<std::string_view(int)>& cell, int sample = 200);

// What a cell of that kind sorts by: numbers by value, dates by day and time.
QVariant SortKey(CellKind kind, std::string_view text);

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_CELL_KIND_H_
