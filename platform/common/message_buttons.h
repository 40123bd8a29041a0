#ifndef PELLORA_PLATFORM_COMMON_MESSAGE_BUTTONS_H_
#define PELLORA_PLATFORM_COMMON_MESSAGE_BUTTONS_H_

#include <optional>
#include <string>
#include <vector>

namespace pellora::common {

// One button of a message box.
struct MessageButton {
  std::string caption;  // "Sim", "Não", "OK", "Cancelar"
  int result;           // vbYes, vbNo, vbOK, vbCancel
};

// The buttons that the MsgBox flags ask for, the default first. Unknown button sets show OK.
std::vector<MessageButton> ButtonsOf(int flags);

// The button an operator's answer names: its caption or the caption's first letter, any case.
std::optional<int> ButtonNamed(const std::vector<MessageButton>& buttons,
                               const std::string& answer);

// "Sim (s) / Não (n): "
std::string ButtonsPrompt(const std::vector<MessageButton>& buttons);

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_MESSAGE_BUTTONS_H_
