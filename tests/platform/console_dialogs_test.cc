#include "platform/console/console_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/console/console_selection_dialog.h"
#include "tests/platform/console_streams.h"
#include "tests/platform/sqlite_test_company.h"

namespace pellora::console {
namespace {

class ConsoleDialogsTest : public ::testing::Test, protected ConsoleStreams {};

TEST_F(ConsoleDialogsTest, OnATerminalTheOperatorChoosesAndInvalidAnswersAskAgain) {
  in_.str("talvez\nNão\nc\n\n");  // the empty line takes the default
  ConsoleDialogs dialogs({in_, out_, true});
  EXPECT_EQ((std::vector<int>{dialogs.MsgBox("Gravar?", vbYesNoCancel, "T"),
                              dialogs.MsgBox("Gravar?", vbYesNoCancel, "T"),
                              dialogs.MsgBox("Gravar?", vbYesNo, "T")}),
            (std::vector<int>{vbNo, vbCancel, vbYes}));
  ExpectShown({"Sim (s) / Não (n) / Cancelar (c): "});
}

// Scripted answers, then a cancel; on a terminal, an empty line keeps the default and the end of
// input cancels.
TEST_F(ConsoleDialogsTest, InputBoxTakesScriptedOrTypedAnswers) {
  ConsoleDialogs scripted({in_, out_, false}, {"Novo título"});
  EXPECT_EQ(
      (std::vector<std::string>{scripted.InputBox("Introduza o novo título", "Renomear", "a"),
                                scripted.InputBox("Introduza o novo título", "Renomear", "a")}),
      (std::vector<std::string>{"Novo título", ""}));
  EXPECT_EQ(out_.str().find("[Renomear] Introduza o novo título\n"), 0u);
  in_.str("\nescrito\n");
  ConsoleDialogs typed({in_, out_, true});
  EXPECT_EQ((std::vector<std::string>{typed.InputBox("Valor", "T", "antigo"),
                                      typed.InputBox("Valor", "T", "antigo"),
                                      typed.InputBox("Valor", "T", "antigo")}),
            (std::vector<std::string>{"antigo", "escrito", ""}));
}

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
