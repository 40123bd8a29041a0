#include <gtest/gtest.h>

#include <sstream>

#include "platform/console/console_selection_dialog.h"
#include "tests/platform/sqlite_test_company.h"
#include "tests/runtime/error_number_of.h"

namespace pellora::console {
namespace {

// Reading sets as the chooser lists them: a hidden Id, then the shown columns. T2|B is listed
// twice (two third parties).
class ConsoleSelectionDialogTest : public sqlite::SqliteCompanyTest {
 protected:
  void SetUp() override {
    SqliteCompanyTest::SetUp();
    Prepare(
        "CREATE TABLE SETS (Id TEXT, Terminal TEXT, Terceiro TEXT);"
        "INSERT INTO SETS VALUES ('T1|A', 'T1', 'C0001'), ('T2|B', 'T2', 'C0002'),"
        "('T2|B', 'T2', 'C0003'), ('T3|C', 'T3', NULL);");
  }

  // A dialog loaded as the chooser drives it.
  ConsoleSelectionDialog Loaded(bool interactive, std::optional<SelectionScript> script) {
    ConsoleSelectionDialog dialog({in_, out_, interactive}, std::move(script));
    std::shared_ptr<Connection> connection;
    data_.GetConnection(connection);
    dialog.SetConnection(connection);
    dialog.SetTitle("Selecção de Documentos a Importar");
    dialog.SetSql("SELECT Id, Terminal, Terceiro FROM SETS ORDER BY Id");
    dialog.SetWidth(10000);
    dialog.Load();
    dialog.Column(1).SetHidden(true);
    dialog.Column(2).SetWidth(1500);
    dialog.SetMultiSelect(true);
    return dialog;
  }

  std::istringstream in_;
  std::ostringstream out_;
};

TEST_F(ConsoleSelectionDialogTest, ScriptPicksIdsInItsOrderKeepingDuplicates) {
  ConsoleSelectionDialog dialog = Loaded(false, ParseSelectionScript("T3|C, T1|A,T3|C"));
  EXPECT_EQ(dialog.Show(), "T3|C");
  EXPECT_EQ(dialog.SelectedIds(), (std::vector<std::string>{"T3|C", "T1|A", "T3|C"}));
}

TEST_F(ConsoleSelectionDialogTest, SingleSelectionKeepsTheFirstRowChosen) {
  ConsoleSelectionDialog dialog = Loaded(false, ParseSelectionScript("T2|B,T1|A"));
  dialog.SetMultiSelect(false);
  EXPECT_EQ(dialog.Show(), "T2|B");
  EXPECT_EQ(dialog.SelectedIds(), (std::vector<std::string>{"T2|B"}));
}

TEST_F(ConsoleSelectionDialogTest, TerminalShowsVisibleColumnsAndTakesRowNumbers) {
  in_.str("7\n4, 2\n");
  ConsoleSelectionDialog dialog = Loaded(true, std::nullopt);
  EXPECT_EQ(dialog.Show(), "T3|C");
  EXPECT_EQ(dialog.SelectedIds(), (std::vector<std::string>{"T3|C", "T2|B"}));
  const std::string shown = out_.str();
  EXPECT_EQ(shown.find("|"), std::string::npos) << shown;  // the Id column is hidden
  EXPECT_NE(shown.find("N.º  Terminal        Terceiro\n"), std::string::npos) << shown;
  EXPECT_NE(shown.find("3    T2              C0003\n"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Número de linha inválido: 7"), std::string::npos) << shown;
}

TEST_F(ConsoleSelectionDialogTest, ColumnsExistOnlyAfterLoadByPosition) {
  ConsoleSelectionDialog empty({in_, out_, false}, std::nullopt);
  EXPECT_EQ(ErrorNumberOf([&] { empty.Column(1); }), kSubscriptOutOfRange);
  ConsoleSelectionDialog dialog = Loaded(false, std::nullopt);
  EXPECT_EQ(ErrorNumberOf([&] { dialog.Column(4); }), kSubscriptOutOfRange);
  EXPECT_EQ(ErrorNumberOf([&] { dialog.Column(0); }), kSubscriptOutOfRange);
  EXPECT_TRUE(dialog.Column(1).Hidden());
}

}  // namespace
}  // namespace pellora::console
