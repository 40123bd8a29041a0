// pellora import against company files that cannot serve and readings only a file holds (texts
// longer than their columns, control characters): each is refused with a Portuguese message and
// exit 1 or 2, and the company is left unchanged. The server keeps no files of a company, refuses
// such texts itself, and its texts hold no NUL.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/app/hostile_input.h"

namespace pellora::app {
namespace {

namespace fs = std::filesystem;

class HostileFile : public HostileInput {
 protected:
  fs::path Company() const { return folder_.path() / "DEMO.db"; }
};

TEST_F(HostileFile, TextsLongerThanTheirColumnsOrWithControlCharacters) {
  const std::string emoji = "\U0001F4E6";  // beyond the BMP: two UTF-16 units, as nvarchar counts
  std::string sixteen_boxes;
  for (int i = 0; i < 16; ++i) sixteen_boxes += emoji;
  ExpectEachRefused({
      {"NossoLote = '" + std::string(31, 'L') + "'", "o campo NossoLote tem mais de 30 caracteres"},
      {"NossoLote = '" + sixteen_boxes + "'", "o campo NossoLote tem mais de 30 caracteres"},
      {"VossoLote = 'A' || char(0) || 'B'", "o campo VossoLote tem caracteres de controlo."},
      {"Localizacao = 'A' || char(10) || 'B'", "o campo Localizacao tem caracteres de controlo."},
  });
}

TEST_F(HostileFile, CompanyFilesThatCannotServe) {
  testing::TempFolder::Write(Company().string(), "isto não é uma base de dados\n");
  const Outcome not_a_database = Pellora(OnDemo(Dir()) + Import());
  EXPECT_EQ(not_a_database.status, 2);
  EXPECT_EQ(not_a_database.out, "O ficheiro " + Company().string() +
                                    " da empresa DEMO está danificado ou não é uma base de "
                                    "dados.\n");

  Restore();
  fs::resize_file(Company(), 8192);
  const Outcome truncated = Pellora(OnDemo(Dir()) + Import());
  EXPECT_EQ(truncated.status, 2);
  EXPECT_NE(truncated.out.find("está danificado ou não é uma base de dados"), std::string::npos)
      << truncated.out;

  Restore();
  Change("DROP TABLE ARTARM");
  ExpectRefused(Import(), 2,
                "A base de dados da empresa DEMO não tem a tabela ARTARM: não é uma empresa "
                "completa.");

  Restore();
  fs::permissions(Company(),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // Root writes whatever the permissions say: the workstation's user is an ordinary one.
  const std::string as_user = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 "
                                               "--clear-groups "
                                             : "";
  const Outcome read_only = RunShell(as_user + PELLORA_BINARY + " " + OnDemo(Dir()) + Import());
  EXPECT_EQ(read_only.status, 2);
  EXPECT_NE(read_only.out.find("não pode ser alterado (só de leitura ou sem permissão)."),
            std::string::npos)
      << read_only.out;
  Restore();
}

}  // namespace
}  // namespace pellora::app
