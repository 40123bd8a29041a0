#ifndef PELLORA_PLATFORM_QT_QT_SELECTION_DIALOG_H_
#define PELLORA_PLATFORM_QT_QT_SELECTION_DIALOG_H_

#include <string>

#include "platform/common/selection_dialog_base.h"

namespace pellora::qt {

// The selection dialog as a window (see SelectionWindow), shown modally.
class QtSelectionDialog : public common::SelectionDialogBase {
 public:
  std::string Show() override;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_SELECTION_DIALOG_H_
