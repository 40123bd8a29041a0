// The demo tour as scripts/demo runs it, up to its inventory adjustment, through `pellora`: the
// adjustment leaves every counted article in its warehouse with the counted quantity in the
// article's base unit plus what the tour's documents moved since the count. On the test
// program's engine.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/app/demo_on_engine.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

using Quantities = std::map<std::string, double>;  // "ARTIGO|ARMAZEM" to a quantity

// The rows of `sql`, each "ARTIGO|ARMAZEM|quantity", as a map.
Quantities PerPlace(const DemoOnEngine& company, const std::string& sql) {
  Quantities quantities;
  for (const std::string& row : company.Rows(sql)) {
    const size_t last = row.rfind('|');
    quantities[row.substr(0, last)] = std::stod(row.substr(last + 1));
  }
  return quantities;
}

Quantities Stock(const DemoOnEngine& company) {
  return PerPlace(company, "SELECT ARTIGO, ARMAZEM, EXISTENC FROM ARTARM");
}

// A place without an ARTARM row holds nothing.
double At(const Quantities& stock, const std::string& place) {
  const auto found = stock.find(place);
  return found == stock.end() ? 0 : found->second;
}

// The columns of the first pending set of movement kind `kind` whose column `column` (1-based,
// as `pellora sets` prints them) is not empty.
std::vector<std::string> FirstSet(const DemoOnEngine& company, const std::string& kind,
                                  size_t column) {
  std::istringstream lines(company.Run("sets --kind " + kind).out);
  std::string line;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) {
    std::vector<std::string> columns;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '\t');) columns.push_back(cell);
    if (columns.size() >= column && !columns[column - 1].empty()) return columns;
  }
  ADD_FAILURE() << "no set of kind " << kind;
  return {};
}

TEST(DemoTourAdjustment, LeavesTheCountInBaseUnitsPlusTheMovementsSince) {
  testing::TempFolder folder;
  const DemoOnEngine demo(folder.File("demo"));
  ASSERT_EQ(demo.Create().status, 0);
  const Quantities created = Stock(demo);

  // The tour's documents, all made after every count: inventory, transfer, sale, purchase.
  const std::string inventory = demo.Value(
      "SELECT DISTINCT TerminalId || '|' || DataSync FROM oru_ARM_Picking_Movimentos "
      "WHERE Artigo = 'CX''12' AND TipoMov = 'I'");
  ASSERT_EQ(demo.Run("op 2007 --pick '" + inventory + "' --price \"CX'12=1,25\"").status, 0);
  ASSERT_EQ(demo.Run("op 2005 --pick '" + inventory + "'").status, 0);
  ASSERT_EQ(demo.Run("op 2008 --pick '" + FirstSet(demo, "T", 1)[0] + "'").status, 0);
  for (const auto& [kind, view, doc_type] :
       {std::tuple{"S", "sales", "FA"}, std::tuple{"E", "purchases", "VFA"}}) {
    const std::vector<std::string> set = FirstSet(demo, kind, 6);  // read against an order
    ASSERT_EQ(demo.Run(std::string("view ") + view + " --doc-type " + doc_type +
                       " --series 1 --third-party " + set[3] + " --date \"$(date +%F)\" --pick '" +
                       set[0] + "'")
                  .status,
              0);
  }

  const std::string adjustment = FirstSet(demo, "A", 1)[0];
  const Quantities counted = PerPlace(
      demo,
      "SELECT M.Artigo, M.Armazem, SUM(M.Quantidade * CASE WHEN M.Unidade = A.UNTRANS THEN "
      "A.FACTTRA WHEN M.Unidade = A.UNEMB THEN A.FACTEMB ELSE 1 END) "
      "FROM oru_ARM_Picking_Movimentos M JOIN ARTIGOS A ON A.CODIGO = M.Artigo "
      "WHERE M.TerminalId || '|' || M.DataSync = '" +
          adjustment + "' GROUP BY M.Artigo, M.Armazem");
  const Quantities before = Stock(demo);
  const Outcome imported = demo.Run("import --kind acerto --set '" + adjustment + "'");
  ASSERT_EQ(imported.status, 0) << imported.out;

  const Quantities after = Stock(demo);
  ASSERT_FALSE(counted.empty());
  for (const auto& [place, quantity] : counted) {
    const double moved_since = At(before, place) - At(created, place);
    EXPECT_NEAR(At(after, place), quantity + moved_since, 1e-6) << place;
  }
  EXPECT_EQ(demo.StockDisagreements(), std::vector<std::string>{});
}

}  // namespace
}  // namespace pellora::app
