// The demo tour's inventory, then one adjustment of every pending adjustment set, through
// `pellora`: every counted article is left in its warehouse with the counted quantity in its base
// unit plus what the inventory moved since the count; an article with serial numbers with the
// serial numbers counted, since the movements name none. On the test program's engine.
#include <gtest/gtest.h>

#include <map>
#include <string>
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

constexpr char kStock[] = "SELECT ARTIGO, ARMAZEM, EXISTENC FROM ARTARM";

TEST(DemoTourAdjustment, LeavesTheCountInBaseUnitsPlusTheMovementsSince) {
  testing::TempFolder folder;
  const DemoOnEngine demo(folder.File("demo"));
  ASSERT_EQ(demo.Create().status, 0);
  // A place without an ARTARM row holds nothing: the maps give 0 for it.
  Quantities created = PerPlace(demo, kStock);
  // The tour's first document, made after every count.
  const std::string inventory = demo.Value(
      "SELECT DISTINCT TerminalId || '|' || DataSync FROM oru_ARM_Picking_Movimentos "
      "WHERE Artigo = 'CX''12' AND TipoMov = 'I'");
  ASSERT_EQ(demo.Run("op 2007 --pick '" + inventory + "' --price \"CX'12=1,25\"").status, 0);
  ASSERT_EQ(demo.Run("op 2005 --pick '" + inventory + "'").status, 0);

  const std::vector<std::string> adjustments = demo.Sets("A");
  const std::string counted_sql =
      "SELECT M.Artigo, M.Armazem, SUM(M.Quantidade * CASE WHEN M.Unidade = A.UNTRANS THEN "
      "A.FACTTRA WHEN M.Unidade = A.UNEMB THEN A.FACTEMB ELSE 1 END) "
      "FROM oru_ARM_Picking_Movimentos M JOIN ARTIGOS A ON A.CODIGO = M.Artigo "
      "WHERE " +
      InSets(adjustments) + " ";
  const Quantities counted = PerPlace(demo, counted_sql + "GROUP BY M.Artigo, M.Armazem");
  const Quantities with_serials =
      PerPlace(demo, counted_sql + "AND M.NumeroSerie <> '' GROUP BY M.Artigo, M.Armazem");
  Quantities before = PerPlace(demo, kStock);
  const Outcome imported = demo.Run("import --kind acerto" + Picks(adjustments, "set"));
  ASSERT_EQ(imported.status, 0) << imported.out;

  Quantities after = PerPlace(demo, kStock);
  ASSERT_FALSE(counted.empty());
  for (const auto& [place, quantity] : counted) {
    const double moved_since = with_serials.count(place) ? 0 : before[place] - created[place];
    EXPECT_NEAR(after[place], quantity + moved_since, 1e-6) << place;
  }
  EXPECT_EQ(demo.StockDisagreements(), std::vector<std::string>{});
}

}  // namespace
}  // namespace pellora::app
