// The parameters editor's save and the archive's add, killed at every statement they run: the
// company keeps either none of the change or all of it, never half a row.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/app/pellora_process.h"
#include "tests/company_snapshot.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

using Texts = std::vector<std::string>;
namespace fs = std::filesystem;

// The exit status the shell gives a process it saw killed by SIGKILL.
constexpr int kKilled = 128 + 9;

class CommandCrash : public ::testing::Test {
 protected:
  // A demo company in "template" and one in "run" whose database is replaced before each run.
  void SetUp() override {
    ASSERT_EQ(Pellora(OnDemo(folder_.File("template")) + "demo").status, 0);
    ASSERT_EQ(Pellora(OnDemo(folder_.File("run")) + "demo").status, 0);
    testing::TempFolder::Write(folder_.File("ficha.txt"), "Ficha técnica\n");
  }

  fs::path RunCompany() const { return folder_.path() / "run" / "DEMO.db"; }
  Texts Snapshot() const { return testing::CompanySnapshot(RunCompany(), testing::kMomentColumns); }
  void ResetRunCompany() {
    for (const char* suffix : {"", "-wal", "-shm"}) {
      fs::remove(RunCompany().string() + suffix);
    }
    fs::copy_file(folder_.path() / "template" / "DEMO.db", RunCompany());
  }
  Outcome RunKilledAfter(long statement, const std::string& args) {
    return RunShell("PELLORA_KILL_AFTER_STATEMENTS=" + std::to_string(statement) + " " +
                    PELLORA_BINARY + " " + OnDemo(folder_.File("run")) + args);
  }

  // Runs `args` killed after each of its statements in turn until it runs to its end.
  void ExpectAllOrNothingAtEveryStatement(const std::string& args) {
    ResetRunCompany();
    const Texts before = Snapshot();
    ASSERT_EQ(Pellora(OnDemo(folder_.File("run")) + args).status, 0);
    const Texts after = Snapshot();
    ASSERT_NE(after, before);

    long crashes = 0;
    for (long statement = 1;; ++statement) {
      ResetRunCompany();
      const Outcome run = RunKilledAfter(statement, args);
      if (run.status != kKilled) {
        EXPECT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(Snapshot(), after);
        break;
      }
      ++crashes;
      const Texts left = Snapshot();
      EXPECT_TRUE(left == before || left == after) << "killed after statement " << statement;
      if (HasFailure()) break;
    }
    EXPECT_GT(crashes, 5);
  }

  testing::TempFolder folder_;
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
