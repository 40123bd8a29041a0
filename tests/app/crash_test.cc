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

class CommandCrash : public ::testing::Test {
 protected:
  // A demo company MODELO in "template" and one in "run" whose database is replaced by a copy
  // of MODELO's before each run.
  void SetUp() override {
    ASSERT_EQ(template_.Create().status, 0);
    ASSERT_EQ(run_.Create().status, 0);
    testing::TempFolder::Write(folder_.File("ficha.txt"), "Ficha técnica\n");
  }

  void ResetRunCompany() { run_.engine().ReplaceWith(template_.engine()); }

  // Runs `args` killed after each of its statements in turn until it runs to its end.
  void ExpectAllOrNothingAtEveryStatement(const std::string& args) {
    ResetRunCompany();
    const Texts before = run_.Snapshot();
    ASSERT_EQ(run_.Run(args).status, 0);
    const Texts after = run_.Snapshot();
    ASSERT_NE(after, before);

    long crashes = 0;
    for (long statement = 1;; ++statement) {
      ResetRunCompany();
      const Outcome run = RunShell("PELLORA_KILL_AFTER_STATEMENTS=" + std::to_string(statement) +
                                   " " + PELLORA_BINARY + " " + run_.Options() + args);
      if (run.status != kKilled) {
        EXPECT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(run_.Snapshot(), after);
        break;
      }
      ++crashes;
      const Texts left = run_.Snapshot();
      EXPECT_TRUE(left == before || left == after) << "killed after statement " << statement;
      if (HasFailure()) break;
    }
    EXPECT_GT(crashes, 5);
  }

  testing::TempFolder folder_;
  DemoOnEngine template_{folder_.File("template"), "MODELO"};
  DemoOnEngine run_{folder_.File("run")};
};

TEST_F(CommandCrash, ParametersEditorSave) {
  ExpectAllOrNothingAtEveryStatement(
      "op 2000 --set INVENTDOC=QBR --set QUEBRADOC=SBR --button confirmar");
}

TEST_F(CommandCrash, ArchiveAdd) {
  ExpectAllOrNothingAtEveryStatement("archive add --article ARR001 --language PT --file '" +
                                     folder_.File("ficha.txt") + "' --title 'Ficha técnica'");
}

}  // namespace
}  // namespace pellora::app
