// `pellora import --kind K` and the host operation of kind K, run on two equal demo companies
// with the same sets, leave the same company: every table, row and column but the moments a
// document was made, changed or is to be loaded. On the test program's engine.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/demo_on_engine.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

using Texts = std::vector<std::string>;

class ImportFidelity : public ::testing::Test {
 protected:
  // The same demo company twice, each in a folder and under a code of its own.
  void SetUp() override {
    for (const DemoOnEngine* copy : {&import_, &host_}) {
      // Enough readings that some customer and some supplier have two sets for the views.
      ASSERT_EQ(copy->Create("--readings 800").status, 0);
    }
    before_ = host_.Snapshot();
  }

  Texts Sets(const std::string& kind, const std::string& third_party = "") const {
    return import_.Sets(kind, third_party.empty() ? "" : "--third-party " + third_party);
  }

  // Runs `import_args` on one copy and `host_args` on the other, both expected to succeed, and
  // compares the companies they leave.
  void ExpectSameCompany(const std::string& import_args, const std::string& host_args) {
    const Outcome import = import_.Run(import_args);
    const Outcome host = host_.Run(host_args);
    EXPECT_EQ(import.status, 0) << import.out;
    EXPECT_EQ(host.status, 0) << host.out;
    EXPECT_EQ(host.out.find("Erro"), std::string::npos) << host.out;
    const Texts imported = import_.Snapshot();
    EXPECT_EQ(imported, host_.Snapshot());
    EXPECT_NE(imported, before_) << "nothing was imported";
    EXPECT_EQ(import_.StockDisagreements(), Texts{});
  }

  // The third party with the most pending sets of `kind`, which the views list together.
  std::string BusiestParty(const std::string& kind) const {
    std::istringstream lines(import_.Run("sets --kind " + kind).out);
    std::map<std::string, int> sets;
    std::string line;
    std::getline(lines, line);  // the header
    while (std::getline(lines, line)) {
      std::istringstream columns(line);
      std::string column;
      for (int i = 0; i < 4; ++i) std::getline(columns, column, '\t');
      if (!column.empty()) ++sets[column];
    }
    std::string busiest;
    for (const auto& [party, count] : sets) {
      if (busiest.empty() || count > sets[busiest]) busiest = party;
    }
    return busiest;
  }

  testing::TempFolder folder_;
  DemoOnEngine import_{folder_.File("import"), "DEMO"};
  DemoOnEngine host_{folder_.File("host"), "HOST"};
  Texts before_;
};

std::string Picks(const Texts& sets, const char* option) {
  std::string picks;
  for (const std::string& set : sets) picks += std::string(" --") + option + " '" + set + "'";
  return picks;
}

TEST_F(ImportFidelity, InventoryAsOperation2005) {
  const Texts sets = Sets("I");
  ASSERT_FALSE(sets.empty());
  ExpectSameCompany("import --kind inventario" + Picks({sets[0]}, "set"),
                    "op 2005" + Picks({sets[0]}, "pick"));
}

// A counted reading without a price stops the inventory, from the command line as from the menu.
TEST_F(ImportFidelity, InventoryRefusesAReadingWithoutPriceAsOperation2005) {
  const Texts sets = Sets("I");
  ASSERT_FALSE(sets.empty());
  for (const DemoOnEngine* copy : {&import_, &host_}) {
    copy->Exec(
        "UPDATE oru_ARM_Picking_Movimentos SET PrecoUnitario = NULL "
        "WHERE TerminalId || '|' || DataSync = '" +
        sets[0] + "'");
  }
  const Texts before = host_.Snapshot();
  const Outcome import = import_.Run("import --kind inventario" + Picks({sets[0]}, "set"));
  const Outcome host = host_.Run("op 2005" + Picks({sets[0]}, "pick"));
  EXPECT_EQ(import.status, 1);
  EXPECT_EQ(host.status, 1);
  EXPECT_NE(import.out.find("não tem Preço Unitário (ou está inválido)."), std::string::npos)
      << import.out;
  EXPECT_NE(host.out.find("não tem Preço Unitário (ou está inválido)."), std::string::npos)
      << host.out;
  EXPECT_EQ(import_.Snapshot(), before);
  EXPECT_EQ(host_.Snapshot(), before);
}

TEST_F(ImportFidelity, AdjustmentOfOneSetAsOperation2006) {
  const Texts sets = Sets("A");
  ASSERT_FALSE(sets.empty());
  ExpectSameCompany("import --kind acerto" + Picks({sets[0]}, "set"),
                    "op 2006" + Picks({sets[0]}, "pick"));
}

TEST_F(ImportFidelity, TransferAsOperation2008) {
  const Texts sets = Sets("T");
  ASSERT_FALSE(sets.empty());
  ExpectSameCompany("import --kind transferencia" + Picks({sets[0]}, "set"),
                    "op 2008" + Picks({sets[0]}, "pick"));
}

TEST_F(ImportFidelity, CancellingAsOperation2010) {
  const Texts sets = Sets("S");
  ASSERT_FALSE(sets.empty());
  ExpectSameCompany("import --kind anular" + Picks({sets[0]}, "set"),
                    "op 2010" + Picks({sets[0]}, "pick"));
}

// The views list the sets of the document's third party only.
TEST_F(ImportFidelity, SaleOfTwoSetsAsTheSalesView) {
  const std::string party = BusiestParty("S");
  const Texts sets = Sets("S", party);
  ASSERT_GE(sets.size(), 2u);
  const std::string header =
      " --doc-type FA --series 1 --third-party " + party + " --date 2026-12-05";
  ExpectSameCompany("import --kind venda" + header + Picks({sets[0], sets[1]}, "set"),
                    "view sales" + header + Picks({sets[0], sets[1]}, "pick"));
}

TEST_F(ImportFidelity, PurchaseOfTwoSetsAsThePurchasesView) {
  const std::string party = BusiestParty("E");
  const Texts sets = Sets("E", party);
  ASSERT_GE(sets.size(), 2u);
  const std::string header =
      " --doc-type VFA --series 1 --third-party " + party + " --date 2026-12-05";
  ExpectSameCompany("import --kind compra" + header + Picks({sets[0], sets[1]}, "set"),
                    "view purchases" + header + Picks({sets[0], sets[1]}, "pick"));
}

}  // namespace
}  // namespace pellora::app
