#include "platform/qt/qt_selection_dialog.h"

#include "platform/qt/gui_thread.h"
#include "platform/qt/selection_window.h"

namespace pellora::qt {

std::string QtSelectionDialog::Show() {
  return Chosen(OnGuiValue([this] {
    SelectionWindow window(Title(), Grid(), Width(), MultiSelect());
    return window.exec() == QDialog::Accepted ? window.ChosenIds() : std::vector<std::string>();
  }));
}

}  // namespace pellora::qt
