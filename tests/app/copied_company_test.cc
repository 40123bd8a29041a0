// A company folder copied whole is a company of its own: every command on the copy finds the
// copy's database through the copy's configuration file, and the original stays as it was. On
// SQLite, whose companies are files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "runtime/private_profile.h"
#include "tests/app/pellora_process.h"
#include "tests/company_database.h"
#include "tests/company_snapshot.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

namespace fs = std::filesystem;

// Every file under `folder`, by its path there, with a hash of its bytes.
std::map<std::string, size_t> Files(const fs::path& folder) {
  std::map<std::string, size_t> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    files[fs::relative(entry.path(), folder).string()] =
        std::hash<std::string>()(testing::TempFolder::Read(entry.path().string()));
  }
  return files;
}

TEST(CopiedCompany, WorkOnTheCopyLeavesTheOriginalByteForByte) {
  testing::TempFolder folder;
  const std::string original = folder.File("x1"), copy = folder.File("x2");
  ASSERT_EQ(Pellora(OnDemo(original) + "demo --readings 300").status, 0);
  ASSERT_EQ(RunShell("cp -r '" + original + "' '" + copy + "'").status, 0);
  const std::map<std::string, size_t> before = Files(original);
  const std::string set = PendingSets(OnDemo(copy), "T").front();
  const std::string sheet = folder.File("ficha.pdf");
  testing::TempFolder::Write(sheet, "%PDF ficha");
  // Each command on the copy, and a text its output holds there (or, `held` false, must not).
  const struct {
    std::string args;
    std::string shows;
    bool held = true;
    int status = 0;
  } kCommands[] = {
      {"import --kind transferencia --set '" + set + "'", "criado com sucesso o documento TRF-"},
      {"sets --kind T", set, false},
      {"sql \"SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC = 'TRF'\"", "\n1\n"},
      {"sql --exec \"UPDATE ARTIGOS SET INACTIVO = 1 WHERE CODIGO = 'VIN002'\"", "True"},
      {"validate sales --doc-type FA --field ARTIGO --value VIN002", "vCancel=True", true, 1},
      {"archive add --article VIN002 --language PT --file '" + sheet + "' --title Cópia", "True"},
      {"archive list --article VIN002", "Cópia"},
      {"op 2001", "Relatório: " + copy + "/relatorios/"},
      {"op 2010 --pick-all", "[Anulação de Picagens] "},
      {"sql \"SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Estado = 0\"", "\n0\n"},
  };
  for (const auto& command : kCommands) {
    const Outcome run = Pellora(OnDemo(copy) + command.args);
    EXPECT_EQ(run.status, command.status) << command.args << "\n" << run.out;
    EXPECT_EQ(run.out.find(command.shows) != std::string::npos, command.held)
        << command.args << "\n"
        << run.out;
  }
  EXPECT_NE(Files(copy).at("DEMO.db"), before.at("DEMO.db"));

  // What cannot serve is refused, saying why, and the copy is left as it was: each way in names
  // a configuration without the server, which nobody can say without a terminal; the import one
  // without its login or of another company, and a company file that is not one or is read-only.
  const std::string configuration = copy + "/orudados/PICKING.DEMO", db = copy + "/DEMO.db";
  const std::string text = testing::TempFolder::Read(configuration);
  fs::copy_file(original + "/DEMO.db", db, fs::copy_options::overwrite_existing);
  auto refused = [&](const std::string& command, const std::string& says, bool readable = true,
                     const char* as = "") {
    const auto left = readable ? testing::CompanySnapshot(db) : std::vector<std::string>{};
    const Outcome run = RunShell(std::string(as) + PELLORA_BINARY + " " + OnDemo(copy) + command);
    EXPECT_EQ(run.status, 2) << command << "\n" << run.out;
    EXPECT_NE(run.out.find(says), std::string::npos) << command << "\n" << run.out;
    if (readable) {
      EXPECT_EQ(testing::CompanySnapshot(db), left) << command;
    }
  };
  const std::string import = "import --kind transferencia --set '" + set + "'";
  const std::string in_file = "O ficheiro de configuração " + configuration;
  ASSERT_NE(WritePrivateProfileString("Ligação", "Servidor", std::nullopt, configuration), 0);
  for (const std::string command : {"sets", "sql \"SELECT 1\"", "op 2010 --pick-all"})
    refused(command, in_file + " não indica Servidor na secção [Ligação].");
  for (const auto& [key, value, says] :
       std::vector<std::tuple<std::string, std::optional<std::string>, std::string>>{
           {"Login", std::nullopt, " não indica Login e Empresa na secção [Api Vela]."},
           {"Empresa", "NADA", " é da empresa NADA, não da empresa DEMO."}}) {
    testing::TempFolder::Write(configuration, text);
    ASSERT_NE(WritePrivateProfileString("Api Vela", key, value, configuration), 0);
    refused(import, in_file + says);
  }
  testing::TempFolder::Write(configuration, text);
  const std::string damaged =
      "O ficheiro " + db + " da empresa DEMO está danificado ou não é uma base de dados.\n";
  testing::TempFolder::Write(db, "isto não é uma base de dados\n");
  refused(import, damaged, false);
  fs::copy_file(original + "/DEMO.db", db, fs::copy_options::overwrite_existing);
  fs::resize_file(db, 8192);
  refused(import, damaged, false);
  fs::copy_file(original + "/DEMO.db", db, fs::copy_options::overwrite_existing);
  testing::RunSqlOnFile(db, "DROP TABLE ARTARM");
  refused(import,
          "A base de dados da empresa DEMO não tem a tabela ARTARM: não é uma empresa "
          "completa.");
  fs::permissions(db, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // Root writes whatever the permissions say: the workstation's user is an ordinary one.
  refused(import, "não pode ser alterado (só de leitura ou sem permissão).", true,
          geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "");
  EXPECT_EQ(Files(original), before);
}

}  // namespace
}  // namespace pellora::app
