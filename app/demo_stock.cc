#include <cstdio>

#include "app/demo_content.h"

namespace pellora::app {
namespace {

// Stock of an untracked or lot-tracked article: mostly positive, now and then empty, and for an
// untracked one below zero (sales recorded before the goods were entered), which inventory
// adjustments correct; a lot-tracked article cannot be corrected upwards without its lots.
double BulkStock(DemoRun& run, const DemoArticle& article) {
  const bool by_weight = std::string(article.unit) == "KG";
  if (run.Chance(8)) return 0;
  if (article.tracking == Tracking::kNone && run.Chance(6))
    return by_weight ? -RoundCents(run.Below(500) / 100.0) : -1 - run.Below(20);
  return by_weight ? RoundCents(run.Below(30000) / 100.0) : 1 + run.Below(400);
}

}  // namespace

std::string StorageLocation(DemoRun& run) {
  const int corridor = 1 + run.Below(12);
  const int shelf = 1 + run.Below(20);
  const int level = 1 + run.Below(4);
  char text[32];
  std::snprintf(text, sizeof text, "C%02d-P%02d-N%d", corridor, shelf, level);
  return text;
}

DemoSerials InsertStock(DemoRun& run) {
  auto stock = run.db.Prepare(
      "INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC, VLREXIST, LOCALIZ) VALUES (?, ?, ?, ?, ?)");
  auto serial =
      run.db.Prepare("INSERT INTO NSEREXIS (ARTIGO, NUMSER, ARMAZEM, DATAENT) VALUES (?, ?, ?, ?)");
  DemoSerials serials;
  int next_serial = 100001;
  for (const DemoArticle& article : DemoArticles()) {
    for (const std::string& warehouse : DemoWarehouses()) {
      double quantity = 0;
      if (article.tracking == Tracking::kSerial) {
        std::vector<std::string>& in_stock = serials[{article.code, warehouse}];
        for (int n = run.Below(7); n > 0; --n, ++quantity) {
          in_stock.push_back(std::string(article.code) + "-" + std::to_string(next_serial++));
          serial.Run(article.code, in_stock.back(), warehouse,
                     DateTimeText(AddDays(run.today, -10 - run.Below(200))));
        }
      } else {
        quantity = BulkStock(run, article);
      }
      const double cost = quantity > 0 ? article.cost * (95 + run.Below(11)) / 100.0 : 0;
      stock.Run(article.code, warehouse, quantity, RoundCents(quantity * cost),
                StorageLocation(run));
    }
  }
  return serials;
}

}  // namespace pellora::app
