#ifndef PELLORA_PLATFORM_CONSOLE_FORM_COMBO_BOX_H_
#define PELLORA_PLATFORM_CONSOLE_FORM_COMBO_BOX_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "interfaces/controls.h"
#include "platform/console/form_field.h"

namespace pellora::console {

// A combo box printed as its label and its numbered items, the selected one marked "*". The
// operator chooses an item by its number.
class ConsoleComboBox : public ComboBox, public FormField {
 public:
  explicit ConsoleComboBox(std::string label) : label_(std::move(label)) {}

  const std::string& Label() const { return label_; }
  // The operator's choice: the item becomes the selected one, then the click is raised.
  void Choose(long index);
  // The item that shows `code` (any case) between its brackets; -1 when none does.
  long IndexOfCode(std::string_view code) const;

  void Clear() override;
  void AddItem(const std::string& text) override;
  long ListCount() const override;
  std::string List(long index) const override;
  long ListIndex() const override { return list_index_; }
  void SetListIndex(long index) override;
  std::string Text() const override;
  void OnClick(std::function<void()> handler) override { on_click_ = std::move(handler); }

  void Render(std::ostream& out, bool focused) override;
  void Accept(const std::string& line, std::ostream& out) override;

 private:
  std::string label_;
  std::vector<std::string> items_;
  long list_index_ = -1;
  std::function<void()> on_click_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_FORM_COMBO_BOX_H_
