#include "platform/qt/qt_connection_settings.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "platform/qt/gui_thread.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_text.h"

namespace pellora::qt {

void QtConnectionSettings::Configure() {
  std::optional<Values> entered = OnGuiValue([this]() -> std::optional<Values> {
    QDialog window(QApplication::activeWindow());
    window.setWindowTitle(kTitle);
    auto* layout = new QFormLayout(&window);
    std::array<QLineEdit*, kCount> edits{};
    const Values current = Current();
    for (size_t i = 0; i < kCount; ++i) {
      edits[i] = new QLineEdit(ToQ(current[i]), &window);
      if (i + 1 == kCount) edits[i]->setEchoMode(QLineEdit::Password);
      layout->addRow(Settings()[i].label, edits[i]);
    }
    auto* buttons = new QDialogButtonBox(&window);
    buttons->addButton("Gravar", QDialogButtonBox::AcceptRole);
    buttons->addButton("Cancelar", QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addRow(buttons);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    Values values;
    for (size_t i = 0; i < kCount; ++i) values[i] = FromQ(edits[i]->text());
    return values;
  });
  if (!entered) return;
  if (ConfirmSave() &&
      QtDialogs().MsgBox("Gravar a configuração?", vbYesNo + vbQuestion, kTitle) != vbYes) {
    return;
  }
  Store(*entered);
}

}  // namespace pellora::qt
