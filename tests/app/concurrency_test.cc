// Two workstations on one company: the second waits for the first and never imports what the
// first imported; a company held busy beyond the wait is named in the message. On the test
// program's engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <string>
#include <vector>

#include "runtime/private_profile.h"
#include "tests/app/demo_on_engine.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

constexpr char kNothingPending[] =
    "As leituras escolhidas já não estão pendentes: foram importadas ou anuladas noutro posto.\n";

class TwoWorkstations : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(demo_.Create().status, 0); }

  std::string Value(const std::string& sql) const { return demo_.Value(sql); }

  testing::TempFolder folder_;
  DemoOnEngine demo_{folder_.path().string()};
};

TEST_F(TwoWorkstations, ImportingTheSameSetAtOnceMakesOneDocument) {
  const std::vector<std::string> sets = demo_.Sets("I");
  ASSERT_FALSE(sets.empty());
  const std::string import = "import --kind inventario --set '" + sets[0] + "'";
  auto first = std::async(std::launch::async, [&] { return demo_.Run(import); });
  auto second = std::async(std::launch::async, [&] { return demo_.Run(import); });
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
  const std::vector<std::string> sets = demo_.Sets("T");
  ASSERT_FALSE(sets.empty());
  const std::vector<std::string> before = demo_.Snapshot();
  // Another workstation in the middle of its work holds the company as an import does.
  std::shared_ptr<DataAccess> other = demo_.engine().Connect();
  other->BeginTransaction();

  const std::string import = "import --kind transferencia --set '" + sets[0] + "'";
  const Outcome waited = demo_.Run("--busy-timeout 1 " + import);
  // The configuration file's wait, when the command line gives none.
  const std::string configuration = folder_.File("orudados/PICKING.DEMO");
  ASSERT_NE(WritePrivateProfileString("Ligação", "TempoEspera", "2", configuration), 0);
  const Outcome configured = demo_.Run(import);
  other->RollbackTransaction();
  other->CloseConnection();
  EXPECT_EQ(waited.status, 1);
  EXPECT_EQ(waited.out,
            "Erro -2147217900 - A empresa DEMO está ocupada noutro posto há mais de 1 s. Tente "
            "de novo quando esse posto terminar.\n");
  EXPECT_EQ(configured.status, 1);
  EXPECT_NE(configured.out.find("há mais de 2 s."), std::string::npos) << configured.out;
  EXPECT_EQ(demo_.Snapshot(), before);

  // Free again, the same import goes through.
  EXPECT_EQ(demo_.Run(import).status, 0);
}

}  // namespace
}  // namespace pellora::app
