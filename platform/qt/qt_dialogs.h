#ifndef PELLORA_PLATFORM_QT_QT_DIALOGS_H_
#define PELLORA_PLATFORM_QT_QT_DIALOGS_H_

#include <string>

#include "interfaces/dialogs.h"

namespace pellora::qt {

// Message boxes with the icon and buttons the MsgBox flags ask for, the default button first;
// input boxes that answer "" when cancelled. Both are modal over the active window.
class QtDialogs : public Dialogs {
 public:
  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& default_text) override;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_DIALOGS_H_
