#ifndef PELLORA_INTERFACES_SELECTION_DIALOG_H_
#define PELLORA_INTERFACES_SELECTION_DIALOG_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "interfaces/connection.h"

namespace pellora {

// One column of the selection grid.
class SelectionColumn {
 public:
  virtual ~SelectionColumn() = default;
  virtual void SetHidden(bool hidden) = 0;
  virtual bool Hidden() const = 0;
  // In the grid's width unit (the same as the dialog's width).
  virtual void SetWidth(float width) = 0;
  virtual float Width() const = 0;
};

// The maker's multi-selection grid dialog: runs an SQL text on a connection, shows its rows and
// lets the operator choose some. The first column of the SQL identifies a row (its Id).
class SelectionDialog {
 public:
  virtual ~SelectionDialog() = default;
  virtual void SetConnection(std::shared_ptr<Connection> connection) = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetSql(const std::string& sql) = 0;
  // The dialog's width, in the unit of the column widths.
  virtual void SetWidth(int32_t width) = 0;
  // Runs the SQL; the grid's columns are its columns in order.
  virtual void Load() = 0;
  // Column by 1-based position; 9 when there is no such column (also before Load).
  virtual SelectionColumn& Column(int position) = 0;
  virtual void SetMultiSelect(bool multi_select) = 0;
  virtual bool MultiSelect() const = 0;
  // Modal: the Id of the (first) chosen row, "" when the operator cancels or chooses nothing.
  virtual std::string Show() = 0;
  // The Ids of every row chosen in the last Show, in the order they were chosen.
  virtual std::vector<std::string> SelectedIds() const = 0;
};

using SelectionDialogPtr = std::shared_ptr<SelectionDialog>;

}  // namespace pellora

#endif  // PELLORA_INTERFACES_SELECTION_DIALOG_H_
