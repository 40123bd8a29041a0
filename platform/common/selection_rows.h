#ifndef PELLORA_PLATFORM_COMMON_SELECTION_ROWS_H_
#define PELLORA_PLATFORM_COMMON_SELECTION_ROWS_H_

#include <string>
#include <utility>
#include <vector>

#include "interfaces/selection_dialog.h"
#include "runtime/recordset.h"

namespace pellora::common {

class SelectionGridColumn : public SelectionColumn {
 public:
  explicit SelectionGridColumn(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }
  void SetHidden(bool hidden) override { hidden_ = hidden; }
  bool Hidden() const override { return hidden_; }
  void SetWidth(float width) override { width_ = width; }
  float Width() const override { return width_; }

 private:
  std::string name_;
  bool hidden_ = false;
  float width_ = 1000;
};

// The rows of a selection dialog as text; the first column is each row's Id.
struct SelectionGrid {
  std::vector<SelectionGridColumn> columns;
  std::vector<std::vector<std::string>> rows;

  const std::string& IdOf(size_t row) const { return rows[row].front(); }
};

// Every row of the recordset, from its first.
SelectionGrid ReadSelectionGrid(Recordset& recordset);

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_SELECTION_ROWS_H_
