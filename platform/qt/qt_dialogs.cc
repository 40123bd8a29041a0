#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <map>

#include "platform/common/message_buttons.h"
#include "platform/qt/gui_thread.h"
#include "platform/qt/qt_text.h"

namespace pellora::qt {
namespace {

constexpr int kIconMask = 0x70;

QMessageBox::Icon IconOf(int flags) {
  static const std::map<int, QMessageBox::Icon> kIcons = {
      {vbCritical, QMessageBox::Critical},
      {vbQuestion, QMessageBox::Question},
      {vbExclamation, QMessageBox::Warning},
      {vbInformation, QMessageBox::Information}};
  auto icon = kIcons.find(flags & kIconMask);
  return icon == kIcons.end() ? QMessageBox::NoIcon : icon->second;
}

// The role tells Qt how the button answers Escape and where it stands.
QMessageBox::ButtonRole RoleOf(int result) {
  static const std::map<int, QMessageBox::ButtonRole> kRoles = {
      {vbYes, QMessageBox::YesRole},
      {vbNo, QMessageBox::NoRole},
      {vbCancel, QMessageBox::RejectRole}};
  auto role = kRoles.find(result);
  return role == kRoles.end() ? QMessageBox::AcceptRole : role->second;
}

}  // namespace

int QtDialogs::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  return OnGuiValue([&] {
    QMessageBox box(IconOf(buttons), ToQ(title), ToQ(prompt), QMessageBox::NoButton,
                    QApplication::activeWindow());
    std::map<QAbstractButton*, int> results;
    const std::vector<common::MessageButton> choices = common::ButtonsOf(buttons);
    for (const common::MessageButton& choice : choices) {
      results[box.addButton(ToQ(choice.caption), RoleOf(choice.result))] = choice.result;
    }
    box.setDefaultButton(static_cast<QPushButton*>(box.buttons().front()));
    box.exec();
    auto clicked = results.find(box.clickedButton());
    // The close box answers as Escape does: Cancel when offered, else the default.
    if (clicked == results.end()) {
      for (const common::MessageButton& choice : choices) {
        if (choice.result == vbCancel) return static_cast<int>(vbCancel);
      }
      return choices.front().result;
    }
    return clicked->second;
  });
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& default_text) {
  return OnGuiValue([&] {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(ToQ(title));
    dialog.setLabelText(ToQ(prompt));
    dialog.setTextValue(ToQ(default_text));
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("Cancelar");
    return dialog.exec() == QDialog::Accepted ? FromQ(dialog.textValue()) : std::string();
  });
}

}  // namespace pellora::qt
