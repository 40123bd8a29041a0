#ifndef PELLORA_PLATFORM_CONSOLE_FORM_SURFACE_H_
#define PELLORA_PLATFORM_CONSOLE_FORM_SURFACE_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "interfaces/controls.h"
#include "platform/console/console_terminal.h"
#include "platform/console/form_combo_box.h"
#include "platform/console/form_data_grid.h"
#include "platform/console/form_push_button.h"
#include "platform/console/form_script.h"
#include "platform/console/script_refusal.h"

namespace pellora::console {

// A form on the console. Shown on a terminal, it prints its caption, its fields in tab order
// (the focused one marked ">") and its buttons, and reads one line at a time: a field's input
// (an item number, "row column value" in a grid), an empty line for the Enter key, a button's
// caption to press it, or "fechar" for the close box; the end of input closes it too. When the
// console is not interactive, the script for its caption acts instead, and a form the script
// leaves open is closed as with the close box. A script the form refuses is told to `refused`,
// and the form is closed as with the close box at once.
class ConsoleFormSurface : public FormSurface {
 public:
  explicit ConsoleFormSurface(ConsoleTerminal terminal, FormScripts scripts = {},
                              ScriptRefusal refused = {});

  void SetCaption(const std::string& caption) override { caption_ = caption; }
  ComboBox& AddComboBox(const std::string& label) override;
  PushButton& AddPushButton(const std::string& caption) override;
  DataGrid& AddDataGrid() override;
  void ShowModal() override;
  void Hide() override { visible_ = false; }
  void SetKeyPreview(KeyPress handler) override { key_preview_ = std::move(handler); }
  void MoveFocusNext() override;

  // What the operator sees and does.
  void Render(std::ostream& out);
  void Handle(const std::string& line);
  void PressKey(int key_ascii);
  void Close() { visible_ = false; }
  bool Visible() const { return visible_; }
  // A line about the form for the operator, as "[caption] text".
  void Note(const std::string& text);

  ConsoleComboBox* ComboLabelled(std::string_view label);
  ConsoleDataGrid* Grid();
  ConsolePushButton* ButtonNamed(std::string_view caption);

 private:
  void RunTerminal();
  void RunScript();

  ConsoleTerminal terminal_;
  FormScripts scripts_;
  ScriptRefusal refused_;
  std::string caption_;
  std::vector<std::unique_ptr<ConsoleComboBox>> combos_;
  std::vector<std::unique_ptr<ConsoleDataGrid>> grids_;
  std::vector<std::unique_ptr<ConsolePushButton>> buttons_;
  std::vector<FormField*> fields_;  // tab order
  size_t focus_ = 0;
  bool visible_ = false;
  KeyPress key_preview_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_FORM_SURFACE_H_
