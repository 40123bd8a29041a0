#ifndef PELLORA_INTERFACES_DIALOGS_H_
#define PELLORA_INTERFACES_DIALOGS_H_

#include <string>

namespace pellora {

// VB's MsgBox button and icon flags, and its answers.
enum MsgBoxStyle : int {
  vbOKOnly = 0,
  vbOKCancel = 1,
  vbYesNoCancel = 3,
  vbYesNo = 4,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// The message and input boxes the add-in shows the operator.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual int MsgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
  // "" when the operator cancels, as VB's InputBox.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& default_text) = 0;
};

}  // namespace pellora

#endif  // PELLORA_INTERFACES_DIALOGS_H_
