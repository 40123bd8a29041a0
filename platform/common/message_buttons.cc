#include "platform/common/message_buttons.h"

#include "interfaces/dialogs.h"
#include "runtime/text.h"

namespace pellora::common {
namespace {

constexpr int kButtonSetMask = 0x7;

const MessageButton kOk{"OK", vbOK};
const MessageButton kCancel{"Cancelar", vbCancel};
const MessageButton kYes{"Sim", vbYes};
const MessageButton kNo{"Não", vbNo};

}  // namespace

std::vector<MessageButton> ButtonsOf(int flags) {
  switch (flags & kButtonSetMask) {
    case vbOKCancel:
      return {kOk, kCancel};
    case vbYesNoCancel:
      return {kYes, kNo, kCancel};
    case vbYesNo:
      return {kYes, kNo};
    default:
      return {kOk};
  }
}

std::optional<int> ButtonNamed(const std::vector<MessageButton>& buttons,
                               const std::string& answer) {
  const std::string wanted = LCase(Trim(answer));
  for (const MessageButton& button : buttons) {
    const std::string caption = LCase(button.caption);
    if (wanted == caption || wanted == Left(caption, 1)) return button.result;
  }
  return std::nullopt;
}

std::string ButtonsPrompt(const std::vector<MessageButton>& buttons) {
  std::string prompt;
  for (const MessageButton& button : buttons) {
    if (!prompt.empty()) prompt += " / ";
    prompt += button.caption + " (" + LCase(Left(button.caption, 1)) + ")";
  }
  return prompt + ": ";
}

}  // namespace pellora::common
