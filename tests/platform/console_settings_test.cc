#include <gtest/gtest.h>

#include "platform/common/data_folder_locator.h"
#include "platform/console/console_connection_settings.h"
#include "platform/console/console_shell.h"
#include "runtime/error.h"
#include "runtime/private_profile.h"
#include "tests/platform/console_streams.h"
#include "tests/temp_folder.h"

namespace pellora::console {
namespace {

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
