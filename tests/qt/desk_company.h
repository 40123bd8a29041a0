#ifndef PELLORA_TESTS_QT_DESK_COMPANY_H_
#define PELLORA_TESTS_QT_DESK_COMPANY_H_

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTableView>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/command_context.h"
#include "app/demo_company.h"
#include "app/desk/desk_main.h"
#include "app/desk/qt_components.h"
#include "app/program_context.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/selection_window.h"
#include "solucao/solucao.h"
#include "tests/company_database.h"
#include "tests/qt/modal_script.h"
#include "tests/temp_folder.h"

// Qt's texts as they read, in a failed expectation.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace pellora::testing {

// The visible column headings of a table.
inline QStringList Headings(const QTableView& table) {
  QStringList headings;
  for (int column = 0; column < table.model()->columnCount(); ++column) {
    if (!table.isColumnHidden(column)) {
      headings << table.model()->headerData(column, Qt::Horizontal).toString();
    }
  }
  return headings;
}

// Clicks the button of a window by its caption, "&" left out.
inline void Click(QWidget& window, const QString& caption) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text().remove('&') == QString(caption).remove('&')) {
      return QTest::mouseClick(button, Qt::LeftButton);
    }
  }
  ADD_FAILURE() << "no button " << caption.toStdString();
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

// A key pressed on the keyboard: it goes to the widget that has the focus.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr) << "no widget has the focus";
  QTest::keyClick(focus, key, modifiers);
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

// The operator reads the notice of a busy company into `notice` and gives up waiting.
inline ModalScript::Step GiveUpWaiting(QString& notice) {
  return [&notice](QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) notice += label->text();
    Click(window, "Desistir");
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

// In the chooser window, clicks the set of Id `id`, or the first shown when `id` is empty, which
// it then names; and presses OK.
inline ModalScript::Step ChooseSet(std::string& id) {
  return [&id](QWidget& window) {
    QTableView& table = *dynamic_cast<qt::SelectionWindow&>(window).Table();
    if (id.empty()) id = qt::FromQ(table.model()->index(0, 0).data().toString());
    ASSERT_TRUE(ClickRow(table, 0, qt::ToQ(id)));
    Click(window, "OK");
  };
}

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
  // Clicks the window's button while another workstation, in the middle of its work, holds the
  // company's write lock on a connection of its own.
  void ClickWhileHeld(QWidget& window, const QString& caption) {
    sqlite3* other = nullptr;
    EXPECT_EQ(sqlite3_open((folder_.path() / "DEMO.db").c_str(), &other), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    Click(window, caption);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
  }

  const ContextScope program_{app::ProgramContext()};
  TempFolder folder_;
  std::unique_ptr<app::CommandContext> context_;
  std::unique_ptr<desk::QtComponents> components_;
  std::unique_ptr<Solucao> solucao_;
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_QT_DESK_COMPANY_H_
