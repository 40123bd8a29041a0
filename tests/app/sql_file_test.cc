// `pellora sql --db FILE` runs the text on a company database file that no configuration names.
#include <gtest/gtest.h>

#include <string>

#include "tests/app/pellora_process.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

TEST(SqlOnAFile, RunsOnTheFileAndReportsSQLitesWords) {
  testing::TempFolder folder;
  ASSERT_EQ(Pellora(OnDemo(folder.path().string()) + "demo --readings 10").status, 0);
  const std::string on_file = "sql --db '" + folder.File("DEMO.db") + "' ";
  EXPECT_EQ(
      Pellora(on_file + "\"SELECT CODIGO, INACTIVO FROM ARTIGOS WHERE CODIGO = 'CER001'\"").out,
      "CODIGO:202\tINACTIVO:11\nCER001\tTrue\n");
  const Outcome failure = Pellora(on_file + "\"SELECT * FROM NADA\"");
  EXPECT_EQ(failure.status, 1);
  EXPECT_EQ(failure.out.rfind("A base de dados recusou o texto SQL. Resposta do motor:\nErro "
                              "-2147217900 - no such table: NADA",
                              0),
            0u)
      << failure.out;
  EXPECT_EQ(Pellora("sql --db '" + folder.File("NADA.db") + "' \"SELECT 1\"").status, 2);
}

}  // namespace
}  // namespace pellora::app
