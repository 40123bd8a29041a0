// `pellora import --kind K` and the host operation of kind K, run on two equal demo companies
// with the same sets, leave the same company: every table, row and column but the moments a
// document was made, changed or is to be loaded.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/pellora_process.h"
#include "tests/company_database.h"
#include "tests/company_snapshot.h"
#include "tests/stock_agreement.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

using Texts = std::vector<std::string>;

// The whole company but its moments, which differ by the seconds between the two runs.
Texts Snapshot(const std::filesystem::path& company_file) {
  return testing::CompanySnapshot(company_file, testing::kMomentColumns);
}

class ImportFidelity : public ::testing::Test {
 protected:
  // The same demo company twice: the configuration file of each names its own folder.
  void SetUp() override {
    for (const char* copy : {"import", "host"}) {
      // Enough readings that some customer and some supplier have two sets for the views.
      ASSERT_EQ(Pellora(OnDemo(Folder(copy)) + "demo --readings 800").status, 0);
    }
    before_ = Snapshot(Company("host"));
  }

  std::string Folder(const char* copy) const { return folder_.File(copy); }
  Texts Sets(const std::string& kind, const std::string& third_party = "") const {
    return PendingSets(Folder("import"), kind,
                       third_party.empty() ? "" : "--third-party " + third_party);
  }

  // Runs `import_args` on one copy and `host_args` on the other, both expected to succeed, and
  // compares the companies they leave.
  void ExpectSameCompany(const std::string& import_args, const std::string& host_args) {
    const Outcome import = Pellora(OnDemo(Folder("import")) + import_args);
    const Outcome host = Pellora(OnDemo(Folder("host")) + host_args);
    EXPECT_EQ(import.status, 0) << import.out;
    EXPECT_EQ(host.status, 0) << host.out;
    EXPECT_EQ(host.out.find("Erro"), std::string::npos) << host.out;
    const Texts imported = Snapshot(Company("import"));
    EXPECT_EQ(imported, Snapshot(Company("host")));
    EXPECT_NE(imported, before_) << "nothing was imported";
    EXPECT_EQ(testing::StockDisagreements(Company("import")), Texts{});
  }

  // The third party with the most pending sets of `kind`, which the views list together.
  std::string BusiestParty(const std::string& kind) const {
    std::istringstream lines(Pellora(OnDemo(Folder("import")) + "sets --kind " + kind).out);
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

  std::filesystem::path Company(const char* copy) const {
    return folder_.path() / copy / "DEMO.db";
  }

  testing::TempFolder folder_;
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
  for (const char* copy : {"import", "host"}) {
    ASSERT_EQ(testing::RunSqlOnFile(Company(copy),
                                    "UPDATE oru_ARM_Picking_Movimentos SET PrecoUnitario = NULL "
                                    "WHERE TerminalId || '|' || DataSync = '" +
                                        sets[0] + "'"),
              "");
  }
  const Texts before = Snapshot(Company("host"));
  const Outcome import =
      Pellora(OnDemo(Folder("import")) + "import --kind inventario" + Picks({sets[0]}, "set"));
  const Outcome host = Pellora(OnDemo(Folder("host")) + "op 2005" + Picks({sets[0]}, "pick"));
  EXPECT_EQ(import.status, 1);
  EXPECT_NE(import.out.find("não tem Preço Unitário (ou está inválido)."), std::string::npos)
      << import.out;
  EXPECT_NE(host.out.find("não tem Preço Unitário (ou está inválido)."), std::string::npos)
      << host.out;
  EXPECT_EQ(Snapshot(Company("import")), before);
  EXPECT_EQ(Snapshot(Company("host")), before);
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
