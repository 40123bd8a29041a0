#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
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

TEST(ChooserWindowTest, SortsByAHeadingAndAnswersTheRowsInTheOrderChosen) {
  const common::SelectionGrid grid = Sets();
  qt::SelectionWindow window("Selecção de Documentos a Anular", grid, 10000, true);
  window.show();
  QTableView& table = *window.Table();
  EXPECT_TRUE(table.isColumnHidden(0));
  QTest::mouseClick(table.horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(table.horizontalHeader()->sectionViewportPosition(1) + 5, 5));
  EXPECT_EQ(table.model()->index(0, 1).data().toString(), "PDA01");
  ASSERT_TRUE(ClickRow(table, 0, "PDA03|3"));
  ASSERT_TRUE(ClickRow(table, 0, "PDA01|2"));
  EXPECT_EQ(window.ChosenIds(), (std::vector<std::string>{"PDA03|3", "PDA01|2"}));
  ASSERT_TRUE(ClickRow(table, 0, "PDA03|3"));  // Ctrl-click again leaves it out
  EXPECT_EQ(window.ChosenIds(), (std::vector<std::string>{"PDA01|2"}));
}

TEST(ChooserWindowTest, FilterShowsOnlyMatchingRowsAndSingleSelectionKeepsOne) {
  const common::SelectionGrid grid = Sets();
  qt::SelectionWindow window("Selecção de Documentos a Importar", grid, 10000, false);
  window.show();
  Type(window.Filter(), "pda0");
  EXPECT_EQ(window.Table()->model()->rowCount(), 3);
  Type(window.Filter(), "2");
  ASSERT_EQ(window.Table()->model()->rowCount(), 1);
  EXPECT_EQ(window.Table()->model()->index(0, 1).data().toString(), "PDA02");
  window.Filter()->clear();
  ASSERT_TRUE(ClickRow(*window.Table(), 0, "PDA01|2"));
  ASSERT_TRUE(ClickRow(*window.Table(), 0, "PDA03|3"));
  EXPECT_EQ(window.ChosenIds(), (std::vector<std::string>{"PDA03|3"}));
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
