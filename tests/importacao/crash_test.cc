// A workstation killed at any statement of an import leaves the company as it was before the
// import or as the whole import leaves it, never in between; finishing the import afterwards
// leaves exactly what one uninterrupted import leaves.

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/session/crash_point.h"
#include "platform/sqlite/sqlite_data_access.h"
#include "tests/company_snapshot.h"
#include "tests/company_test.h"
#include "tests/stock_agreement.h"

namespace pellora::testing {
namespace {

namespace fs = std::filesystem;

enum class Ending { kKilled, kFinished, kFailed };

class ImportCrash : public ImportCompanyTest {
 protected:
  // Imports set T1 / 20261205093000 of the company in `folder` in a child process that is
  // killed after its `kill_after`-th statement (0: never).
  Ending ImportInChild(const fs::path& folder, long kill_after) {
    const pid_t child = fork();
    if (child == 0) {
      auto data = std::make_shared<sqlite::SqliteDataAccess>(
          sqlite::kDefaultBusyTimeout, std::make_shared<session::CrashPoint>(kill_after));
      if (!data->OpenConnection(ConnectionStringFor(folder, "EMP1"))) _exit(3);
      _exit(Import(LoggedIn(data, folder), kind_).IsSucesso() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return Ending::kKilled;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Ending::kFinished : Ending::kFailed;
  }

  // A fresh copy of the prepared company in folder `name`.
  fs::path CopyOfCompany(const std::string& name) {
    const fs::path copy = folder() / name;
    fs::remove_all(copy);
    fs::create_directories(copy);
    for (const char* file : {"EMP1.db", "PICKING.EMP1"})
      fs::copy_file(folder() / file, copy / file);
    return copy;
  }

  // Kills the import of `kind` at every statement in turn until it runs to its end, checking the
  // company after each crash and after the import is finished on it.
  void ExpectAllOrNothingAtEveryStatement(const Kind& kind) {
    kind_ = kind;
    ReleaseCompany();
    const Texts before = CompanySnapshot(folder() / "EMP1.db");
    const fs::path whole = CopyOfCompany("whole");
    ASSERT_EQ(ImportInChild(whole, 0), Ending::kFinished);
    const Texts after = CompanySnapshot(whole / "EMP1.db");
    ASSERT_NE(after, before);

    long crashes = 0;
    for (long statement = 1;; ++statement) {
      const fs::path run = CopyOfCompany("run");
      const Ending ending = ImportInChild(run, statement);
      const Texts left = CompanySnapshot(run / "EMP1.db");
      if (ending != Ending::kKilled) {
        EXPECT_EQ(ending, Ending::kFinished) << "statement " << statement;
        EXPECT_EQ(left, after);
        break;
      }
      ++crashes;
      EXPECT_TRUE(left == before || left == after) << "killed after statement " << statement;
      if (left == before) {
        EXPECT_EQ(ImportInChild(run, 0), Ending::kFinished) << "statement " << statement;
        EXPECT_EQ(CompanySnapshot(run / "EMP1.db"), after) << "finished after " << statement;
      }
      EXPECT_EQ(StockDisagreements(run / "EMP1.db"), Texts{});
      if (HasFailure()) break;
    }
    RecordProperty("crashes", std::to_string(crashes));
    EXPECT_GT(crashes, 20) << "the import ran too few statements to be worth crashing";
  }

  Kind kind_;
};

TEST_F(ImportCrash, InitialInventory) {
  Reading({1, "I", "P1", 7, ", PrecoUnitario", ", 2.5"});
  Reading({2, "I", "L1", 3, ", NossoLote, PrecoUnitario", ", 'LA', 3"});
  Reading({3, "I", "P1", 2, ", PrecoUnitario", ", 2.5"});
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Armazem='A2' WHERE NumeroLinha=3;");
  ExpectAllOrNothingAtEveryStatement(kInventory);
}

TEST_F(ImportCrash, SaleFromAnOrder) {
  Reading({1, "S", "P1", 6, kOrderKey, kOrderValues});
  Reading({2, "S", "L1", 2, ", NossoLote, Tpterc, Terceiro", ", 'LA', 2, 'C1'"});
  ExpectAllOrNothingAtEveryStatement({TI_Venda, "FAC", "C1"});
}

TEST_F(ImportCrash, InventoryAdjustmentWithItsThreeDocuments) {
  Exec("UPDATE ARTARM SET EXISTENC = -3 WHERE ARTIGO='P1' AND ARMAZEM='A2';");
  Reading({1, "A", "P1", 18});
  Reading({2, "A", "P1", 2});
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Armazem='A2' WHERE NumeroLinha=2;");
  ExpectAllOrNothingAtEveryStatement(kAdjustment);
}

TEST_F(ImportCrash, TransferServingAnOrder) {
  Reading({1, "T", "P1", 4, kOrderKey, kOrderValues});
  Reading({2, "T", "L1", 1, ", NossoLote", ", 'LA'"});
  ExpectAllOrNothingAtEveryStatement(kTransfer);
}

}  // namespace
}  // namespace pellora::testing
