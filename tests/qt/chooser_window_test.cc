#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <malloc.h>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "platform/qt/gui_thread.h"
#include "platform/qt/selection_window.h"
#include "runtime/error.h"
#include "tests/qt/desk_company.h"

namespace pellora::testing {
namespace {

common::SelectionGrid Sets() {
  common::SelectionGrid grid;
  for (const char* name : {"Id", "Terminal", "Leitura"}) grid.columns.emplace_back(name);
  grid.columns[0].SetHidden(true);
  grid.rows = {{"PDA02|1", "PDA02", "03-12-2026 10:00"},
               {"PDA01|2", "PDA01", "01-12-2026 09:00"},
               {"PDA03|3", "PDA03", "02-12-2026 08:00"}};
  return grid;
}

// A window shown and active, as the operator finds it.
void Open(qt::SelectionWindow& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// A single selection keeps the last row clicked.
TEST(ChooserWindowTest, SortsByAHeadingAndAnswersTheRowsInTheOrderChosen) {
  const common::SelectionGrid grid = Sets();
  qt::SelectionWindow window("Selecção de Documentos a Anular", grid, 10000, true);
  window.show();
  QTableView& table = *window.Table();
  EXPECT_TRUE(table.isColumnHidden(0));
  // Leitura is a moment: by day, not by its text.
  QTest::mouseClick(table.horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(table.horizontalHeader()->sectionViewportPosition(2) + 5, 5));
  EXPECT_EQ(table.model()->index(0, 1).data().toString(), "PDA01");
  EXPECT_EQ(table.model()->index(2, 1).data().toString(), "PDA02");
  ASSERT_TRUE(ClickRow(table, 0, "PDA03|3"));
  ASSERT_TRUE(ClickRow(table, 0, "PDA01|2"));
  EXPECT_EQ(window.ChosenIds(), (std::vector<std::string>{"PDA03|3", "PDA01|2"}));
  ASSERT_TRUE(ClickRow(table, 0, "PDA03|3"));  // Ctrl-click again leaves it out
  EXPECT_EQ(window.ChosenIds(), (std::vector<std::string>{"PDA01|2"}));
  qt::SelectionWindow single("Selecção de Documentos a Importar", grid, 10000, false);
  single.show();
  ASSERT_TRUE(ClickRow(*single.Table(), 0, "PDA01|2"));
  ASSERT_TRUE(ClickRow(*single.Table(), 0, "PDA03|3"));
  EXPECT_EQ(single.ChosenIds(), (std::vector<std::string>{"PDA03|3"}));
}

// Keys as QKeySequence names them ("Ctrl+Down"), or 'text' typed at the focus; where the focus
// is after each (filter, grid, ok, cancel, or none once closed); the rows chosen; whether the
// window closed choosing them; the rows shown.
TEST(ChooserWindowTest, ChoosesOnlyWhatTheOperatorSees) {
  const struct {
    const char* keys;
    const char* focus;
    std::vector<std::string> chosen;
    bool taken;
    int rows_shown;
  } cases[] = {
      // Tab reaches the grid choosing nothing, so Enter takes nothing.
      {"Tab Return", "grid grid", {}, false, 3},
      {"Tab Tab Tab", "grid cancel filter", {}, false, 3},
      {"Tab Space Return", "grid grid none", {"PDA02|1"}, true, 3},
      {"Tab Down Ctrl+Down Ctrl+Space", "grid grid grid grid", {"PDA01|2", "PDA03|3"}, false, 3},
      // The filter searches only the shown columns; a row it hides is chosen no more.
      {"'|'", "filter", {}, false, 0},
      {"Tab Space Shift+Backtab 'pda01' Return", "grid grid filter filter filter", {}, false, 1},
      {"Tab Alt+P", "grid filter", {}, false, 3},
  };
  for (const auto& given : cases) {
    const common::SelectionGrid grid = Sets();
    qt::SelectionWindow window("Selecção de Documentos a Anular", grid, 10000, true);
    bool taken = false;
    QObject::connect(&window, &QDialog::accepted, [&] { taken = true; });
    Open(window);
    const std::map<const QWidget*, QString> names = {{window.Filter(), "filter"},
                                                     {window.Table(), "grid"},
                                                     {window.OkButton(), "ok"},
                                                     {window.CancelButton(), "cancel"}};
    QStringList focus;
    for (const QString& key : QString(given.keys).split(' ')) {
      if (key.startsWith('\'')) {
        Type(QApplication::focusWidget(), key.mid(1, key.size() - 2));
      } else {
        const QKeyCombination combination = QKeySequence(key)[0];
        Press(combination.key(), combination.keyboardModifiers());
      }
      auto name = names.find(QApplication::focusWidget());
      focus << (name == names.end() ? "none" : name->second);
    }
    SCOPED_TRACE(given.keys);
    EXPECT_EQ(focus.join(' '), given.focus);
    EXPECT_EQ(window.ChosenIds(), given.chosen);
    EXPECT_EQ(window.OkButton()->isEnabled(), !given.chosen.empty());
    EXPECT_EQ(taken, given.taken);
    EXPECT_EQ(window.Table()->model()->rowCount(), given.rows_shown);
  }
}

// Tens of thousands of sets open at once: the window shows the rows read, without a copy of its
// own, sizes the columns from the first rows, and chooses them all costing each row once.
TEST(ChooserWindowTest, AGridOfManyRowsOpensWithoutACopyAndIsChosenWhole) {
  const common::SelectionGrid small = Sets();
  qt::SelectionWindow first("Selecção de Documentos a Anular", small, 10000, true);
  Open(first);  // what any first window costs (fonts, styles) is not the rows'
  first.close();
  common::SelectionGrid grid;
  for (const char* name : {"Id", "Terminal", "Nome"}) grid.columns.emplace_back(name);
  grid.columns[0].SetHidden(true);
  constexpr int kRows = 50000;
  for (int row = 0; row < kRows; ++row)
    grid.rows.push_back({"PDA|" + std::to_string(row), "PDA", "Cliente " + std::to_string(row)});
  const std::string far_name(400, 'N');
  grid.rows.back()[2] = far_name;
  size_t text_bytes = 0;
  for (const auto& row : grid.rows) text_bytes += row.size() * sizeof(std::string);
  const size_t heap_before = mallinfo2().uordblks;  // the bytes held from the heap
  qt::SelectionWindow window("Selecção de Documentos a Anular", grid, 10000, true);
  Open(window);
  EXPECT_LT(mallinfo2().uordblks - heap_before, text_bytes);
  EXPECT_LT(window.Table()->columnWidth(2),
            window.Table()->fontMetrics().horizontalAdvance(qt::ToQ(far_name)));
  Press(Qt::Key_Tab);
  Press(Qt::Key_A, Qt::ControlModifier);
  Press(Qt::Key_Return);
  const std::vector<std::string> chosen = window.ChosenIds();
  ASSERT_EQ(chosen.size(), static_cast<size_t>(kRows));
  EXPECT_EQ(chosen.front(), "PDA|0");
  EXPECT_EQ(chosen.back(), "PDA|" + std::to_string(kRows - 1));
}

TEST(GuiThreadTest, WorkFromAWorkerRunsOnTheInterfaceThreadAndCarriesErrorsBack) {
  Qt::HANDLE gui = nullptr;
  long number = 0;
  std::atomic<bool> finished{false};
  std::thread worker([&] {
    gui = qt::OnGuiValue([] { return QThread::currentThreadId(); });
    try {
      qt::OnGui([] { throw Error(5, "Selecção", "falhou"); });
    } catch (const Error& error) {
      number = error.number();
    }
    finished = true;
  });
  ASSERT_TRUE(WaitUntil([&] { return finished.load(); }));
  worker.join();
  EXPECT_EQ(gui, QThread::currentThreadId());
  EXPECT_EQ(number, 5);
}

}  // namespace
}  // namespace pellora::testing
