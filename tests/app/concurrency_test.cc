// Two workstations on one company: the second waits for the first and never imports what the
// first imported; a company held busy beyond the wait is named in the message. On the test
// program's engine.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <set>
#include <string>
#include <vector>

#include "runtime/private_profile.h"
#include "tests/app/demo_on_engine.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

class TwoWorkstations : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(demo_.Create().status, 0); }

  testing::TempFolder folder_;
  DemoOnEngine demo_{folder_.path().string()};
};

TEST_F(TwoWorkstations, ImportingTheSameSetAtOnceMakesOneDocument) {
  const std::string set = demo_.Sets("I").at(0),
                    import = "import --kind inventario --set '" + set + "'";
  auto first = std::async(std::launch::async, [&] { return demo_.Run(import); });
  auto second = std::async(std::launch::async, [&] { return demo_.Run(import); });
  std::set<std::string> outcomes;  // each status and output, the success first
  for (const Outcome& outcome : {first.get(), second.get()})
    outcomes.insert(std::to_string(outcome.status) + " " + outcome.out);
  EXPECT_EQ(outcomes, (std::set<std::string>{
                          "0 Foi criado com sucesso o documento INV-1-1-2026\n",
                          "1 As leituras escolhidas já não estão pendentes: foram importadas ou "
                          "anuladas noutro posto.\n"}));
  const std::string reading_set = " FROM oru_ARM_Picking_Movimentos WHERE " + InSets({set});
  EXPECT_EQ(demo_.Rows("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC = 'INV' UNION ALL SELECT "
                       "COUNT(*)" +
                       reading_set + " AND Estado <> 1"),
            (std::vector<std::string>{"1", "0"}));
  EXPECT_EQ(demo_.Value("SELECT COUNT(*) FROM DOCGCLIN WHERE TPDOCUM = 'INV'"),
            demo_.Value("SELECT COUNT(DISTINCT Artigo || '|' || Armazem)" + reading_set));
}

TEST_F(TwoWorkstations, ACompanyHeldBeyondTheWaitIsNamed) {
  const std::string import = "import --kind transferencia --set '" + demo_.Sets("T").at(0) + "'";
  const std::vector<std::string> before = demo_.Snapshot();
  // Another workstation in the middle of its work holds the company as an import does.
  std::shared_ptr<DataAccess> other = demo_.engine().Connect();
  other->BeginTransaction();
  const Outcome waited = demo_.Run("--busy-timeout 1 " + import);
  // The configuration file's wait, when the command line gives none.
  ASSERT_NE(WritePrivateProfileString("Ligação", "TempoEspera", "2",
                                      folder_.File("orudados/PICKING.DEMO")),
            0);
  const Outcome configured = demo_.Run(import);
  other->RollbackTransaction();
  other->CloseConnection();
  EXPECT_EQ(std::to_string(waited.status) + " " + waited.out,
            "1 Erro -2147217900 - A empresa DEMO está ocupada noutro posto há mais de 1 s. Tente "
            "de novo quando esse posto terminar.\n");
  EXPECT_EQ(configured.status, 1);
  EXPECT_NE(configured.out.find("há mais de 2 s."), std::string::npos) << configured.out;
  EXPECT_EQ(demo_.Snapshot(), before);

  // Free again, the same import goes through.
  EXPECT_EQ(demo_.Run(import).status, 0);
}

// The terminals go on synchronising while an import runs: readings they add to a chosen set
// are neither in the document nor marked imported with the rest; they stay pending, whole, and
// the next import takes them.
TEST_F(TwoWorkstations, ReadingsTheTerminalsAddWhileAnImportRunsStayPendingWhole) {
  const DemoOnEngine count(folder_.File("contagem"), "CONTAGEM");
  ASSERT_EQ(count.Create("--readings 3000 --kind I").status, 0);
  const std::vector<std::string> sets = count.Sets("I");
  // Readings of the one kind asked for, as many as asked, in many sets.
  EXPECT_EQ(count.Rows("SELECT TipoMov, COUNT(*) FROM oru_ARM_Picking_Movimentos GROUP BY TipoMov"),
            std::vector<std::string>{"I|3000"});
  ASSERT_GT(sets.size(), 100u);
  const std::string chosen = " FROM oru_ARM_Picking_Movimentos WHERE " + InSets(sets);
  // The values of a priced reading of the first set to copy, with no serial number a copy would
  // repeat.
  const std::string model = count.Value(
      "SELECT TerminalId || ''', ''' || DataSync || ''', ''' || Data || ''', ''' || TipoMov || "
      "''', ''' || Artigo || ''', ''' || Unidade || ''', ''' || Armazem || ''', ''' || "
      "CAST(PrecoUnitario AS varchar(20)) FROM oru_ARM_Picking_Movimentos WHERE TerminalId || "
      "'|' || DataSync = '" +
      sets[0] + "' AND COALESCE(NumeroSerie, '') = '' AND PrecoUnitario > 0 ORDER BY NumeroLinha");
  ASSERT_FALSE(model.empty());
  std::shared_ptr<DataAccess> terminal = count.engine().Connect();
  auto add_reading = [&](int line) {
    terminal->ExecuteCommand(
        "",
        "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, TipoMov, Artigo, "
        "Unidade, Armazem, PrecoUnitario, NumeroLinha, Ordenaca, Quantidade, Estado) VALUES ('" +
            model + "', " + std::to_string(line) + ", " + std::to_string(line) + ", 1, 0)");
  };
  constexpr int kFirstAdded = 20000;
  add_reading(kFirstAdded);
  auto imported = std::async(std::launch::async, [&] {
    return count.Run("import --kind inventario" + Picks(sets, "set"));
  });
  // A terminal numbers a set's lines in 16 bits, and reads an item at a time: it stops at the
  // last line number however long the import takes on a busy machine, and leaves the import the
  // processor between readings.
  int added = 1;
  while (imported.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready &&
         kFirstAdded + added <= 32767) {
    add_reading(kFirstAdded + added++);
  }
  const Outcome outcome = imported.get();
  ASSERT_EQ(outcome.status, 0) << outcome.out;
  terminal->CloseConnection();

  // Sums of many quantities, which each engine adds in its own order.
  auto quantity = [&](const std::string& sql) {
    return std::stod(count.Value("SELECT SUM(" + sql));
  };
  EXPECT_NEAR(quantity("QUANT) FROM DOCGCLIN WHERE TPDOCUM = 'INV' AND NNUMDOC = 1"),
              quantity("Quantidade)" + chosen + " AND Estado = 1"), 1e-6);
  // Every reading left pending is one the terminal added while the import ran; the one added
  // before it went into the document.
  EXPECT_EQ(count.Value("SELECT COUNT(*)" + chosen +
                        " AND Estado = 0 AND NumeroLinha <= " + std::to_string(kFirstAdded)),
            "0");
  const std::string pending = count.Value("SELECT COUNT(*)" + chosen + " AND Estado = 0");
  EXPECT_LT(std::stoi(pending), added);
  if (pending != "0") {
    ASSERT_EQ(count.Run("import --kind inventario --set '" + sets[0] + "'").status, 0);
    EXPECT_NEAR(quantity("QUANT) FROM DOCGCLIN WHERE TPDOCUM = 'INV' AND NNUMDOC = 2"),
                std::stod(pending), 1e-6);
  }
  EXPECT_EQ(count.Value("SELECT COUNT(*)" + chosen + " AND Estado = 0"), "0");
  EXPECT_NEAR(quantity("QUANT) FROM DOCGCLIN WHERE TPDOCUM = 'INV'"),
              quantity("Quantidade)" + chosen), 1e-6);
}

}  // namespace
}  // namespace pellora::app
