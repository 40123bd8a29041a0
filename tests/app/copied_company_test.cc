// A company folder copied whole is a company of its own: every command on the copy finds the
// copy's database through the copy's configuration file, and the original stays as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "runtime/private_profile.h"
#include "tests/app/pellora_process.h"
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
  const std::string original = folder.File("x1");
  const std::string copy = folder.File("x2");
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

  // Without a terminal nobody can say where a database that the configuration does not name
  // is: every way in says so, and opens nothing.
  const std::string configuration = copy + "/orudados/PICKING.DEMO";
  ASSERT_NE(WritePrivateProfileString("Ligação", "Servidor", std::nullopt, configuration), 0);
  for (const char* command : {"sets", "sql \"SELECT 1\"", "op 2010 --pick-all"}) {
    const Outcome run = Pellora(OnDemo(copy) + command);
    EXPECT_EQ(run.status, 2) << command;
    EXPECT_NE(run.out.find("O ficheiro de configuração " + configuration +
                           " não indica Servidor na secção [Ligação]."),
              std::string::npos)
        << command << "\n"
        << run.out;
  }
  EXPECT_EQ(Files(original), before);
}

}  // namespace
}  // namespace pellora::app
