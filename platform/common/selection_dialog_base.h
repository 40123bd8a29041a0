#ifndef PELLORA_PLATFORM_COMMON_SELECTION_DIALOG_BASE_H_
#define PELLORA_PLATFORM_COMMON_SELECTION_DIALOG_BASE_H_

#include <memory>
#include <string>
#include <vector>

#include "interfaces/selection_dialog.h"
#include "platform/common/selection_rows.h"

namespace pellora::common {

// What a selection dialog does before and after it is shown: Load reads the rows through the
// connection it is given, and the chosen Ids are kept. Showing is the subclass's.
class SelectionDialogBase : public SelectionDialog {
 public:
  void SetConnection(std::shared_ptr<Connection> connection) override;
  void SetTitle(const std::string& title) override { title_ = title; }
  void SetSql(const std::string& sql) override { sql_ = sql; }
  void SetWidth(int32_t width) override { width_ = width; }
  void Load() override;
  SelectionColumn& Column(int position) override;
  void SetMultiSelect(bool multi_select) override { multi_select_ = multi_select; }
  bool MultiSelect() const override { return multi_select_; }
  std::vector<std::string> SelectedIds() const override { return selected_ids_; }

 protected:
  const std::string& Title() const { return title_; }
  int32_t Width() const { return width_; }
  const SelectionGrid& Grid() const { return grid_; }
  // Keeps the chosen Ids (only the first without multiple selection) and answers Show's text.
  std::string Chosen(std::vector<std::string> ids);

 private:
  std::shared_ptr<Connection> connection_;
  std::string title_;
  std::string sql_;
  int32_t width_ = 10000;
  bool multi_select_ = false;
  SelectionGrid grid_;
  std::vector<std::string> selected_ids_;
};

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_SELECTION_DIALOG_BASE_H_
