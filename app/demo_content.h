#ifndef PELLORA_APP_DEMO_CONTENT_H_
#define PELLORA_APP_DEMO_CONTENT_H_

#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/sqlite_writer.h"
#include "runtime/date.h"

// The content of the demo company, written table by table into a new company database.
namespace pellora::app {

enum class Tracking { kNone, kLot, kSerial };

struct DemoArticle {
  const char* code;
  const char* name;
  const char* family;
  const char* unit;
  const char* pack_unit;
  double pack_factor;
  const char* transport_unit;
  double transport_factor;
  double cost;   // last purchase price
  double price;  // sale price without tax
  Tracking tracking = Tracking::kNone;
};

struct DemoParty {
  const char* code;
  const char* name;
  const char* address;
  const char* town;
  const char* postcode;
  const char* tax_number;
  const char* discount;  // commercial discount as the host keeps it, in text
};

// Warehouse codes; the first one is the central warehouse.
const std::vector<std::string>& DemoWarehouses();
const std::vector<DemoArticle>& DemoArticles();
const std::vector<DemoParty>& DemoCustomers();
const std::vector<DemoParty>& DemoSuppliers();
// Articles that a document line may carry (the inactive ones left out).
std::vector<const DemoArticle*> ActiveArticles();

// Codes the content relies on.
inline constexpr char kInactiveArticle[] = "CER001";
inline constexpr char kQuotedArticle[] = "CX'12";

struct DemoOrderLine {
  int line;
  const DemoArticle* article;
  std::string warehouse;
  double quantity;
};

// An open customer order (ECL) or supplier order (EFO).
struct DemoOrder {
  std::string type;
  std::string series;
  int number;
  int year;
  int party_kind;  // 1 supplier, 2 customer
  std::string party;
  std::vector<DemoOrderLine> lines;
};

// Shared state of one generation run.
struct DemoRun {
  SqliteWriter& db;
  std::mt19937 random;
  Date today;

  // A number in [0, count).
  int Below(int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); }
  // True with the given chance in percent.
  bool Chance(int percent) { return Below(100) < percent; }
};

inline double RoundCents(double value) {
  return std::round(value * 100.0) / 100.0;
}

// "YYYY-MM-DD HH:MM:SS", as datetime columns store it.
std::string DateTimeText(Date day, int seconds_of_day = 0);
// "yyyyMMddHHmmss" or, with no seconds given, "yyyyMMdd", as the terminals write moments.
std::string CompactDateText(Date day, std::optional<int> seconds_of_day = std::nullopt);

void InsertCatalogue(DemoRun& run);
// Serial numbers in stock, per article and warehouse.
using DemoSerials = std::map<std::pair<std::string, std::string>, std::vector<std::string>>;

DemoSerials InsertStock(DemoRun& run);
// A storage place in a warehouse, "Cnn-Pnn-Nn" (corridor, shelf, level).
std::string StorageLocation(DemoRun& run);
// A quantity of the article in its base unit, as an order line or a reading would hold it.
double OrderQuantity(DemoRun& run, const DemoArticle& article);
std::vector<DemoOrder> InsertOrders(DemoRun& run);
// Order totals of articles and warehouses, stock totals and average costs, from the rows written.
void UpdateDerivedTotals(DemoRun& run);
void InsertParameters(DemoRun& run);

// The add-in's parameters table, which it creates on its first connection, in its current
// layout (text series columns) and in the company schema's syntax.
inline constexpr char kParametersTable[] = "oru_PARAMETROSEXP";
std::string ParametersTableDdl();

void InsertTechnicalSheets(DemoRun& run);
void InsertReadings(DemoRun& run, const std::vector<DemoOrder>& orders, const DemoSerials& serials,
                    int count, std::optional<char> only);

}  // namespace pellora::app

#endif  // PELLORA_APP_DEMO_CONTENT_H_
