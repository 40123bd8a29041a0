#ifndef PELLORA_TESTS_QT_DESK_COMPANY_H_
#define PELLORA_TESTS_QT_DESK_COMPANY_H_

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/command_context.h"
#include "app/demo_company.h"
#include "app/desk/desk_main.h"
#include "app/desk/qt_components.h"
#include "app/program_context.h"
#include "platform/qt/qt_text.h"
#include "solucao/solucao.h"
#include "tests/company_database.h"
#include "tests/qt/modal_script.h"
#include "tests/temp_folder.h"

namespace pellora::testing {

// A demo company in a fresh folder, opened by the add-in with the Qt components, as
// pellora-desk opens it, in a context of the test's own.
class DeskCompany : public ::testing::Test {
 protected:
  void SetUp() override {
    app::CreateDemoCompany({.dir = folder_.path().string()});
    context_ = std::make_unique<app::CommandContext>(
        desk::DeskContext(folder_.path().string(), "DEMO", ""));
    components_ = std::make_unique<desk::QtComponents>(*context_);
    solucao_ = std::make_unique<Solucao>(*components_, PELLORA_ADDIN_DIR);
    ASSERT_TRUE(solucao_->ConnectionOpen("DEMO", ""));
  }
  void TearDown() override {
    if (solucao_) solucao_->ConnectionClose();
  }

  void Operation(int32_t code) {
    Variant pai, operacao(code), utilizador("");
    solucao_->Operacoes(pai, operacao, utilizador);
  }
  std::vector<std::string> Rows(const std::string& sql) const {
    return RowsOnFile(folder_.path() / "DEMO.db", sql);
  }
  std::string Folder() const { return folder_.path().string(); }

  const ContextScope program_{app::ProgramContext()};
  TempFolder folder_;
  std::unique_ptr<app::CommandContext> context_;
  std::unique_ptr<desk::QtComponents> components_;
  std::unique_ptr<Solucao> solucao_;
};

// The button of a window by its caption, "&" left out.
inline QAbstractButton* ButtonOf(QWidget& window, const QString& caption) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text().remove('&') == QString(caption).remove('&')) return button;
  }
  ADD_FAILURE() << "no button " << caption.toStdString();
  return nullptr;
}

inline void Click(QWidget& window, const QString& caption) {
  if (QAbstractButton* button = ButtonOf(window, caption)) {
    QTest::mouseClick(button, Qt::LeftButton);
  }
}

// Types `text` into the widget one key at a time, accented letters included.
inline void Type(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &release);
  }
}

// A message box as the operator reads it: "[title] text".
inline std::string Shown(QWidget& window) {
  auto* box = qobject_cast<QMessageBox*>(&window);
  if (box == nullptr) return "(not a message box: " + window.windowTitle().toStdString() + ")";
  return "[" + qt::FromQ(box->windowTitle()) + "] " + qt::FromQ(box->text());
}

// Reads the message box into `message`, then presses its OK.
inline ModalScript::Step ReadMessage(std::string& message) {
  return [&message](QWidget& box) {
    message = Shown(box);
    Click(box, "OK");
  };
}

// Clicks the row of the table whose text in `column` is `text`, holding Ctrl to add it to the
// selection; false when no row shows that text.
inline bool ClickRow(QTableView& table, int column, const QString& text) {
  for (int row = 0; row < table.model()->rowCount(); ++row) {
    const QModelIndex index = table.model()->index(row, column);
    if (index.data().toString() != text) continue;
    const QModelIndex visible = table.model()->index(row, column == 0 ? 1 : column);
    table.scrollTo(visible);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      table.visualRect(visible).center());
    return true;
  }
  return false;
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_QT_DESK_COMPANY_H_
