#ifndef PELLORA_PLATFORM_CONSOLE_CONSOLE_DIALOGS_H_
#define PELLORA_PLATFORM_CONSOLE_CONSOLE_DIALOGS_H_

#include <deque>
#include <functional>
#include <string>

#include "interfaces/dialogs.h"
#include "platform/console/console_terminal.h"

namespace pellora::console {

// Message and input boxes on the console. Every box is printed as "[title] text", the text as
// given (line breaks included).
//
// MsgBox: on a terminal, a box with a choice asks for it (the first letter or the whole word,
// any case; an empty line or the end of input takes the default). The default is the box's first
// button, as on the desktop: vbOK for OK and OK/Cancel boxes, vbYes for Yes/No and
// Yes/No/Cancel boxes; it is also the answer when not interactive.
//
// InputBox: on a terminal, an empty line takes the default text and the end of input cancels.
// When not interactive it answers the next scripted answer, or "" (cancel) when none is left.
//
// `on_warning` is told of every box with the exclamation or the critical icon: what the operator
// is shown when something was refused or failed.
class ConsoleDialogs : public Dialogs {
 public:
  explicit ConsoleDialogs(ConsoleTerminal terminal, std::deque<std::string> input_answers = {},
                          std::function<void()> on_warning = {});

  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& default_text) override;

 private:
  ConsoleTerminal terminal_;
  std::deque<std::string> input_answers_;
  std::function<void()> on_warning_;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_CONSOLE_DIALOGS_H_
