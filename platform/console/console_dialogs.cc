#include "platform/console/console_dialogs.h"

#include <ostream>
#include <utility>

#include "platform/common/message_buttons.h"

namespace pellora::console {

namespace {

constexpr int kIconFlags = 0x70;

}  // namespace

ConsoleDialogs::ConsoleDialogs(ConsoleTerminal terminal, std::deque<std::string> input_answers,
                               std::function<void()> on_warning)
    : terminal_(terminal),
      input_answers_(std::move(input_answers)),
      on_warning_(std::move(on_warning)) {}

int ConsoleDialogs::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  terminal_.out << "[" << title << "] " << prompt << "\n";
  const int icon = buttons & kIconFlags;
  if (on_warning_ && (icon == vbExclamation || icon == vbCritical)) on_warning_();
  const std::vector<common::MessageButton> choices = common::ButtonsOf(buttons);
  const int default_result = choices.front().result;
  if (!terminal_.interactive || choices.size() == 1) return default_result;
  while (true) {
    const std::optional<std::string> answer = terminal_.Ask(common::ButtonsPrompt(choices));
    if (!answer || answer->empty()) return default_result;
    if (const std::optional<int> result = common::ButtonNamed(choices, *answer)) return *result;
  }
}

std::string ConsoleDialogs::InputBox(const std::string& prompt, const std::string& title,
                                     const std::string& default_text) {
  terminal_.out << "[" << title << "] " << prompt << "\n";
  if (!terminal_.interactive) {
    if (input_answers_.empty()) return "";
    std::string answer = std::move(input_answers_.front());
    input_answers_.pop_front();
    terminal_.out << "> " << answer << "\n";
    return answer;
  }
  const std::optional<std::string> answer =
      terminal_.Ask(default_text.empty() ? "> " : "[" + default_text + "] > ");
  if (!answer) return "";
  return answer->empty() ? default_text : *answer;
}

}  // namespace pellora::console
