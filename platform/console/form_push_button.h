#ifndef PELLORA_PLATFORM_CONSOLE_FORM_PUSH_BUTTON_H_
#define PELLORA_PLATFORM_CONSOLE_FORM_PUSH_BUTTON_H_

#include <functional>
#include <string>
#include <string_view>

#include "interfaces/controls.h"

namespace pellora::console {

// A push button the operator presses by typing its caption.
class ConsolePushButton : public PushButton {
 public:
  explicit ConsolePushButton(std::string caption) : caption_(std::move(caption)) {}

  // The caption without its access-key mark ("&Gravar" shows as "Gravar").
  std::string ShownCaption() const;
  // Whether `typed` names this button: its caption, with or without the mark, in any case.
  bool IsNamed(std::string_view typed) const;
  void Press();

  void OnClick(std::function<void()> handler) override { on_click_ = std::move(handler); }

 private:
  std::string caption_;
  std::function<void()> on_click_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_FORM_PUSH_BUTTON_H_
