// The console's dialogs on the operator's terminal: message and input boxes, the chooser of rows,
// the connection settings; and the folder locator and shell beside them.
#include "platform/console/console_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/common/data_folder_locator.h"
#include "platform/console/console_connection_settings.h"
#include "platform/console/console_selection_dialog.h"
#include "platform/console/console_shell.h"
#include "runtime/error.h"
#include "runtime/private_profile.h"
#include "tests/platform/console_streams.h"
#include "tests/platform/sqlite_test_company.h"
#include "tests/temp_folder.h"

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

class ConsoleSettingsTest : public ::testing::Test, protected ConsoleStreams {
 protected:
  ConsoleSettingsTest() : file_(folder_.File("PICKING.EMP1")) {
    testing::TempFolder::Write(file_,
                               "[Api Vela]\r\nLogin=api\r\n[Ligação]\r\nServidor=/dados\r\n"
                               "BaseDados=EMP1\r\nUser=sa\r\nPassWord=segredo\r\n");
  }

  ConsoleConnectionSettings Settings(bool interactive) {
    ConsoleConnectionSettings settings({in_, out_, interactive});
    settings.SetConfigurationFile(file_);
    return settings;
  }

  testing::TempFolder folder_;
  std::string file_;
};

// A folder is taken from the configuration file's own folder, never from the working directory;
// a database server's address stays as written.
TEST_F(ConsoleSettingsTest, ARelativeServerIsAFolderBesideTheConfigurationFile) {
  const std::string here = folder_.path().string();
  const std::string above = folder_.path().parent_path().string();
  const struct {
    const char* written;
    std::string read;
  } kServers[] = {{"..", above},
                  {"dados/../empresas", here + "/empresas"},
                  {"..\\empresas", above + "/empresas"},
                  {"/dados", "/dados"},
                  {"postgresql://pellora@servidor:5433", "postgresql://pellora@servidor:5433"},
                  {"servidor:5432", "servidor:5432"},
                  {"", ""}};
  ConsoleConnectionSettings settings = Settings(false);
  for (const auto& server : kServers) {
    ASSERT_NE(WritePrivateProfileString("Ligação", "Servidor", server.written, file_), 0);
    EXPECT_EQ(settings.Server(), server.read) << server.written;
  }
}

TEST_F(ConsoleSettingsTest, ConfigureAsksAndWritesTheAnswers) {
  in_.str("/outros\n\nadmin\n\n");
  ConsoleConnectionSettings settings = Settings(true);
  settings.SetConfirmSave(false);
  settings.Configure();
  EXPECT_EQ(settings.Server() + "|" + settings.Database() + "|" + settings.User() + "|" +
                settings.Password(),
            "/outros|EMP1|admin|segredo");  // an empty answer keeps the value
  ExpectShown({"Base de dados [EMP1]: "});
  const std::string before = testing::TempFolder::Read(file_);
  Settings(false).Configure();  // without a terminal nothing is asked
  EXPECT_EQ(testing::TempFolder::Read(file_), before);
}

TEST_F(ConsoleSettingsTest, ConfigureRefusedAtTheConfirmationWritesNothing) {
  in_.str("/outros\n\n\n\nn\n");
  ConsoleConnectionSettings settings = Settings(true);
  settings.Configure();
  EXPECT_EQ(settings.Server(), "/dados");
  ExpectShown({"Gravar a configuração?"});
}

TEST_F(ConsoleSettingsTest, FolderLocatorGivesItsFolderAndTakesWindowsSeparators) {
  std::filesystem::create_directory(folder_.path() / "orudados");
  common::DataFolderLocator locator(folder_.path().string() + "/");
  EXPECT_EQ(locator.CommonFolder(), folder_.path().string());
  EXPECT_TRUE(locator.FolderExists(locator.CommonFolder() + "\\orudados"));
  EXPECT_FALSE(locator.FolderExists(locator.CommonFolder() + "\\outra"));
  EXPECT_FALSE(locator.FolderExists(file_));
}

TEST_F(ConsoleSettingsTest, ShellWithoutDesktopNamesTheDocument) {
  ConsoleShell shell(out_, false);
  EXPECT_GT(shell.Open(file_), 32);
  EXPECT_EQ(out_.str(), "Documento: " + file_ + "\n");
  EXPECT_EQ(shell.Open(folder_.File("falta.pdf")), 2);
}

}  // namespace
}  // namespace pellora::console
