// Two workstations on one company: the second waits for the first and never imports what the
// first imported; a company held busy beyond the wait is named in the message.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <future>
#include <string>
#include <vector>

#include "runtime/private_profile.h"
#include "tests/app/pellora_process.h"
#include "tests/company_database.h"
#include "tests/company_snapshot.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

constexpr char kNothingPending[] =
    "As leituras escolhidas já não estão pendentes: foram importadas ou anuladas noutro posto.\n";

class TwoWorkstations : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(Pellora(OnDemo(Dir()) + "demo").status, 0); }

  std::string Dir() const { return folder_.path().string(); }
  std::string Company() const { return folder_.File("DEMO.db"); }
  std::string Value(const std::string& sql) const {
    const std::vector<std::string> rows = testing::RowsOnFile(Company(), sql);
    return rows.empty() ? "" : rows.front();
  }

  testing::TempFolder folder_;
};

TEST_F(TwoWorkstations, ImportingTheSameSetAtOnceMakesOneDocument) {
  const std::vector<std::string> sets = PendingSets(Dir(), "I");
  ASSERT_FALSE(sets.empty());
  const std::string import = OnDemo(Dir()) + "import --kind inventario --set '" + sets[0] + "'";
  auto first = std::async(std::launch::async, [&] { return Pellora(import); });
  auto second = std::async(std::launch::async, [&] { return Pellora(import); });
  std::vector<Outcome> outcomes = {first.get(), second.get()};
  std::sort(outcomes.begin(), outcomes.end(),
            [](const Outcome& a, const Outcome& b) { return a.status < b.status; });

  EXPECT_EQ(outcomes[0].status, 0) << outcomes[0].out;
  EXPECT_EQ(outcomes[0].out, "Foi criado com sucesso o documento INV-1-1-2026\n");
  EXPECT_EQ(outcomes[1].status, 1) << outcomes[1].out;
  EXPECT_EQ(outcomes[1].out, kNothingPending);
  EXPECT_EQ(Value("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC = 'INV'"), "1");
  const std::string reading_set =
      " FROM oru_ARM_Picking_Movimentos WHERE TerminalId || '|' || DataSync = '" + sets[0] + "'";
  EXPECT_EQ(Value("SELECT COUNT(*)" + reading_set + " AND Estado <> 1"), "0");
  EXPECT_EQ(Value("SELECT COUNT(*) FROM DOCGCLIN WHERE TPDOCUM = 'INV'"),
            Value("SELECT COUNT(DISTINCT Artigo || '|' || Armazem)" + reading_set));
}

TEST_F(TwoWorkstations, ACompanyHeldBeyondTheWaitIsNamed) {
  const std::vector<std::string> sets = PendingSets(Dir(), "T");
  ASSERT_FALSE(sets.empty());
  const std::vector<std::string> before = testing::CompanySnapshot(Company());
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(Company().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

  const std::string import = "import --kind transferencia --set '" + sets[0] + "'";
  const Outcome waited = Pellora(OnDemo(Dir()) + "--busy-timeout 1 " + import);
  // The configuration file's wait, when the command line gives none.
  const std::string configuration = folder_.File("orudados/PICKING.DEMO");
  ASSERT_NE(WritePrivateProfileString("Ligação", "TempoEspera", "2", configuration), 0);
  const Outcome configured = Pellora(OnDemo(Dir()) + import);
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_EQ(waited.status, 1);
  EXPECT_EQ(waited.out,
            "Erro -2147217900 - A empresa DEMO está ocupada noutro posto há mais de 1 s. Tente "
            "de novo quando esse posto terminar.\n");
  EXPECT_EQ(configured.status, 1);
  EXPECT_NE(configured.out.find("há mais de 2 s."), std::string::npos) << configured.out;
  EXPECT_EQ(testing::CompanySnapshot(Company()), before);

  // Free again, the same import goes through.
  EXPECT_EQ(Pellora(OnDemo(Dir()) + import).status, 0);
}

}  // namespace
}  // namespace pellora::app
