#include <gtest/gtest.h>

#include "platform/console/console_selection_dialog.h"
#include "tests/platform/console_streams.h"
#include "tests/platform/sqlite_test_company.h"

namespace pellora::console {
namespace {

// Reading sets as the chooser lists them: a hidden Id, then the shown columns. T2|B is listed
// twice (two third parties). The picks a script makes are the pellora command's.
class ConsoleSelectionDialogTest : public sqlite::SqliteCompanyTest, protected ConsoleStreams {
 protected:
  void SetUp() override {
    SqliteCompanyTest::SetUp();
    Prepare(
        "CREATE TABLE SETS (Id TEXT, Terminal TEXT, Terceiro TEXT);"
        "INSERT INTO SETS VALUES ('T1|A', 'T1', 'C0001'), ('T2|B', 'T2', 'C0002'),"
        "('T2|B', 'T2', 'C0003'), ('T3|C', 'T3', NULL);");
  }

  // A dialog loaded as the chooser drives it.
  ConsoleSelectionDialog Loaded() {
    ConsoleSelectionDialog dialog({in_, out_, true}, std::nullopt);
    std::shared_ptr<Connection> connection;
    data_->GetConnection(connection);
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
};

TEST_F(ConsoleSelectionDialogTest, TerminalShowsVisibleColumnsAndTakesRowNumbers) {
  in_.str("7\n4, 2\n");
  ConsoleSelectionDialog dialog = Loaded();
  EXPECT_EQ(dialog.Show(), "T3|C");
  EXPECT_EQ(dialog.SelectedIds(), (std::vector<std::string>{"T3|C", "T2|B"}));
  EXPECT_EQ(out_.str().find("|"), std::string::npos) << out_.str();  // the Id column is hidden
  ExpectShown({"N.º  Terminal        Terceiro\n", "3    T2              C0003\n",
               "Número de linha inválido: 7"});
}

}  // namespace
}  // namespace pellora::console
