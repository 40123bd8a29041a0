// The parameters editor's save and the archive's add, killed at every statement they run: the
// company keeps either none of the change or all of it, never half a row. On the test program's
// engine: a server rolls back the transaction of a connection that died.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/demo_on_engine.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

using Texts = std::vector<std::string>;

// The exit status the shell gives a process it saw killed by SIGKILL.
constexpr int kKilled = 128 + 9;

TEST(CommandCrash, ParametersEditorSaveAndArchiveAddAreAllOrNothingAtEveryStatement) {
  // A demo company MODELO, and one whose database is a copy of MODELO's before each run.
  testing::TempFolder folder;
  const DemoOnEngine model(folder.File("template"), "MODELO"), company(folder.File("run"));
  ASSERT_EQ(model.Create().status, 0);
  ASSERT_EQ(company.Create().status, 0);
  testing::TempFolder::Write(folder.File("ficha.txt"), "Ficha técnica\n");
  for (const std::string& args :
       {std::string("op 2000 --set INVENTDOC=QBR --set QUEBRADOC=SBR --button confirmar"),
        "archive add --article ARR001 --language PT --file '" + folder.File("ficha.txt") +
            "' --title 'Ficha técnica'"}) {
    company.engine().ReplaceWith(model.engine());
    const Texts before = company.Snapshot();
    ASSERT_EQ(company.Run(args).status, 0);
    const Texts after = company.Snapshot();
    ASSERT_NE(after, before);
    long crashes = 0;
    for (long statement = 1;; ++statement) {
      company.engine().ReplaceWith(model.engine());
      const Outcome run = RunShell("PELLORA_KILL_AFTER_STATEMENTS=" + std::to_string(statement) +
                                   " " + PELLORA_BINARY + " " + company.Options() + args);
      if (run.status != kKilled) {
        EXPECT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(company.Snapshot(), after);
        break;
      }
      ++crashes;
      const Texts left = company.Snapshot();
      ASSERT_TRUE(left == before || left == after) << args << ", killed after " << statement;
    }
    EXPECT_GT(crashes, 5) << args;
  }
}

}  // namespace
}  // namespace pellora::app
