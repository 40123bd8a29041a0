#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/qt/qt_dialogs.h"
#include "tests/qt/desk_company.h"

namespace pellora::testing {
namespace {

TEST(QtDialogsTest, MessageBoxShowsTitleIconAndPortugueseButtonsAndAnswersTheOneClicked) {
  qt::QtDialogs dialogs;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList captions;
  ModalScript script;
  script.Then([&](QWidget& window) {
    auto& box = static_cast<QMessageBox&>(window);
    icon = box.icon();
    for (QAbstractButton* button : box.buttons()) captions << button->text();
    EXPECT_EQ(Shown(window), "[Arquivo Digital] Remover o documento 3?");
    Click(window, "Não");
  });
  EXPECT_EQ(dialogs.MsgBox("Remover o documento 3?", vbYesNo + vbQuestion, "Arquivo Digital"),
            vbNo);
  EXPECT_EQ(icon, QMessageBox::Question);
  captions.sort();
  EXPECT_EQ(captions, QStringList({"Não", "Sim"}));

  script.Then([](QWidget& window) {
    EXPECT_EQ(static_cast<QMessageBox&>(window).icon(), QMessageBox::Warning);
    window.close();  // the close box answers as Escape: the default of a lone OK
  });
  EXPECT_EQ(dialogs.MsgBox("Erro x", vbExclamation, "Operações"), vbOK);
}

TEST(QtDialogsTest, InputBoxAnswersWhatIsTypedAndNothingWhenCancelled) {
  qt::QtDialogs dialogs;
  ModalScript script;
  script
      .Then([](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), "Renomear Documentos");
        QLineEdit* edit = window.findChild<QLineEdit*>();
        edit->clear();
        Type(edit, "Ficha técnica");
        Click(window, "OK");
      })
      .Then([](QWidget& window) {
        Type(window.findChild<QLineEdit*>(), "não fica");
        Click(window, "Cancelar");
      });
  EXPECT_EQ(dialogs.InputBox("Introduza o novo título do documento", "Renomear Documentos", ""),
            "Ficha técnica");
  EXPECT_EQ(dialogs.InputBox("Título", "Renomear Documentos", "antigo"), "");
}

}  // namespace
}  // namespace pellora::testing
