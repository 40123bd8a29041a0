#include <algorithm>
#include <cmath>
#include <set>

#include "app/demo_content.h"

namespace pellora::app {
namespace {

const char* const kTerminals[] = {"PDA01", "PDA02", "PDA03"};
constexpr int kFirstNewSerial = 500001;

// What one reading set is about; the readings themselves are drawn when it is written.
struct SetPlan {
  std::string terminal;
  char kind;  // I inventory, A adjustment, T transfer, E entry, S exit
  std::optional<int> party_kind;
  std::string party;  // customer, supplier or destination warehouse; empty for counts
  std::string warehouse = {};
  const DemoOrder* order = nullptr;
  std::vector<std::string> leading_articles = {};  // read first, before the random ones
  bool zero_price = false;                         // the first reading is priced 0
};

struct Reading {
  int line;
  const DemoArticle* article;
  std::string unit;
  double quantity;
  std::string serial = {};
  std::string lot = {};
  std::string supplier_lot = {};
  std::optional<std::string> expiry = {};
  std::optional<double> price = {};
};

struct Lot {
  std::string code, supplier_lot, expiry;
};
constexpr int kLotsPerArticle = 4;

constexpr char kInsert[] =
    "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, NumeroLinha, TpDoc, "
    "Serie, Numero, Ano, TipoMov, Tpterc, Terceiro, Artigo, Unidade, Armazem, NumeroSerie, "
    "NossoLote, VossoLote, DataValidade, Quantidade, Estado, Localizacao, Ordenaca, TpLinha, "
    "PrecoUnitario) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?, 1, ?)";

class ReadingSetWriter {
 public:
  ReadingSetWriter(DemoRun& run, const DemoSerials& serials)
      : run_(run), serials_(serials), insert_(run.db.Prepare(kInsert)) {}

  // Writes the readings of one set, at most `limit` of them; answers how many were written.
  int Write(const SetPlan& plan, int limit) {
    std::vector<Reading> readings = plan.order ? OrderReadings(plan) : FreeReadings(plan);
    if (static_cast<int>(readings.size()) > limit) readings.resize(limit);
    if (plan.zero_price && !readings.empty()) readings.front().price = 0.0;
    WriteSet(plan, readings);
    return static_cast<int>(readings.size());
  }

 private:
  // Readings against the lines of an open order, line numbers being the order's.
  std::vector<Reading> OrderReadings(const SetPlan& plan) {
    std::vector<Reading> readings;
    for (const DemoOrderLine& line : plan.order->lines) {
      double quantity = line.quantity;
      if (line.article->tracking != Tracking::kSerial && run_.Chance(30)) {
        quantity = std::max(1.0, std::floor(quantity / 2));
      }
      AddArticle(plan, line.line, *line.article, line.article->unit, quantity, readings);
    }
    return readings;
  }

  std::vector<Reading> FreeReadings(const SetPlan& plan) {
    std::vector<Reading> readings;
    const std::vector<const DemoArticle*> active = ActiveArticles();
    const int lines = 4 + run_.Below(18);
    // Each article once in a set, as a count goes shelf by shelf.
    std::set<const DemoArticle*> counted;
    for (int line = 1; line <= lines; ++line) {
      const size_t leading = static_cast<size_t>(line - 1);
      const DemoArticle* article = nullptr;
      if (leading < plan.leading_articles.size()) {
        article = &FindArticle(plan.leading_articles[leading]);
      } else {
        do {
          article = active[run_.Below(static_cast<int>(active.size()))];
        } while (counted.count(article) || CountedElsewhere(plan, *article));
      }
      counted.insert(article);
      if (plan.kind == 'A' && article->tracking == Tracking::kSerial) {
        adjusted_serials_.insert({article->code, plan.warehouse});
      }
      const int choice = run_.Below(100);
      if (article->tracking == Tracking::kSerial || choice < 75) {
        AddArticle(plan, line, *article, article->unit, OrderQuantity(run_, *article), readings);
      } else if (choice < 95) {
        AddArticle(plan, line, *article, article->pack_unit, 1 + run_.Below(5), readings);
      } else {
        AddArticle(plan, line, *article, article->transport_unit, 1, readings);
      }
    }
    return readings;
  }

  // One reading, or one per unit (sharing the line number) for an article with serial numbers.
  void AddArticle(const SetPlan& plan, int line, const DemoArticle& article, const char* unit,
                  double quantity, std::vector<Reading>& readings) {
    const bool serial = article.tracking == Tracking::kSerial;
    int count = serial ? static_cast<int>(quantity) : 1;
    // Goods can only leave with serial numbers the warehouse holds.
    if (serial && (plan.kind == 'S' || plan.kind == 'T')) {
      count = std::min(count, SerialsLeft(article, plan.warehouse));
    }
    for (int i = 0; i < count; ++i) {
      Reading r{line, &article, unit, serial ? 1.0 : quantity};
      if (serial) r.serial = SerialNumber(plan.kind, article, plan.warehouse);
      if (article.tracking == Tracking::kLot) AddLot(r);
      if (plan.kind == 'I' || (plan.kind == 'A' && run_.Chance(30))) r.price = article.cost;
      readings.push_back(std::move(r));
    }
  }

  // A lot-tracked article is on the shelves in a few lots, each with one supplier lot and one
  // expiry date, so readings of the same lot agree and a count's lines group per lot.
  void AddLot(Reading& r) {
    std::vector<Lot>& lots = lots_[r.article->code];
    if (lots.empty()) {
      for (int i = 0; i < kLotsPerArticle; ++i) lots.push_back(NewLot());
    }
    const Lot& lot = lots[run_.Below(kLotsPerArticle)];
    r.lot = lot.code;
    r.supplier_lot = lot.supplier_lot;
    r.expiry = lot.expiry;
  }

  Lot NewLot() {
    const Date made = AddDays(run_.today, -run_.Below(90));
    Lot lot;
    lot.code =
        "L" + CompactDateText(made).substr(2, 4) + "-" + std::to_string(100 + run_.Below(900));
    if (run_.Chance(70)) lot.supplier_lot = "VL" + std::to_string(10000 + run_.Below(90000));
    lot.expiry = CompactDateText(AddDays(run_.today, 60 + run_.Below(660)));
    return lot;
  }

  // Goods leaving or counted carry a serial number in stock, each one named once; goods coming
  // in, and units counted beyond the serial numbers in stock, carry a new one.
  std::string SerialNumber(char kind, const DemoArticle& article, const std::string& warehouse) {
    const auto found = serials_.find({article.code, warehouse});
    if (kind != 'E' && kind != 'I' && found != serials_.end()) {
      size_t& next = next_in_stock_[found->first];
      if (next < found->second.size()) return found->second[next++];
    }
    return std::string(article.code) + "-" + std::to_string(next_serial_++);
  }

  // An article with serial numbers is counted for an adjustment in one set per warehouse: the
  // breakage of a merged adjustment writes off the serial numbers in stock once per article.
  bool CountedElsewhere(const SetPlan& plan, const DemoArticle& article) const {
    return plan.kind == 'A' && article.tracking == Tracking::kSerial &&
           adjusted_serials_.count({article.code, plan.warehouse}) > 0;
  }

  int SerialsLeft(const DemoArticle& article, const std::string& warehouse) {
    const auto found = serials_.find({article.code, warehouse});
    if (found == serials_.end()) return 0;
    return static_cast<int>(found->second.size() - next_in_stock_[found->first]);
  }

  static const DemoArticle& FindArticle(const std::string& code) {
    for (const DemoArticle& a : DemoArticles()) {
      if (code == a.code) return a;
    }
    return DemoArticles().front();
  }

  void WriteSet(const SetPlan& plan, const std::vector<Reading>& readings) {
    const int count = static_cast<int>(readings.size());
    const int step = 20 + run_.Below(40);
    Date day;
    int synced;
    std::string sync;
    do {
      day = AddDays(run_.today, -1 - run_.Below(7));  // synchronised before today
      synced = 27000 + run_.Below(41400);             // between 07:30 and 19:00
      sync = CompactDateText(day, synced);
      // Terminals never synchronise at the same second: a choice of sets names each sync once.
    } while (!used_syncs_.insert(sync).second);

    // Readings that refer to no original document leave its key empty, as the terminals do.
    std::string type, series;
    int number = 0, year = 0;
    if (plan.order) {
      type = plan.order->type, series = plan.order->series;
      number = plan.order->number, year = plan.order->year;
    }
    for (int i = 0; i < count; ++i) {
      const Reading& r = readings[i];
      insert_.Run(plan.terminal, sync, CompactDateText(day, synced - (count - i) * step), r.line,
                  type, series, number, year, std::string(1, plan.kind), plan.party_kind,
                  plan.party, r.article->code, r.unit, plan.warehouse, r.serial, r.lot,
                  r.supplier_lot, r.expiry, r.quantity, StorageLocation(run_), i + 1, r.price);
    }
  }

  DemoRun& run_;
  const DemoSerials& serials_;
  SqliteStatement insert_;
  int next_serial_ = kFirstNewSerial;
  std::map<std::pair<std::string, std::string>, size_t> next_in_stock_;
  std::set<std::string> used_syncs_;
  std::set<std::pair<std::string, std::string>> adjusted_serials_;
  std::map<std::string, std::vector<Lot>> lots_;  // per article code
};

// A set read against an open order: its party, warehouse and lines.
SetPlan AgainstOrder(const std::string& terminal, const DemoOrder& order) {
  SetPlan plan{terminal, order.party_kind == 1 ? 'E' : 'S', order.party_kind, order.party};
  plan.warehouse = order.lines.front().warehouse;
  plan.order = &order;
  return plan;
}

const DemoOrder& RandomOrder(DemoRun& run, const std::vector<DemoOrder>& orders, int party_kind) {
  std::vector<const DemoOrder*> matching;
  for (const DemoOrder& order : orders) {
    if (order.party_kind == party_kind) matching.push_back(&order);
  }
  return *matching[run.Below(static_cast<int>(matching.size()))];
}

// The first sets show every kind of movement and the cases the import must handle: an article
// code holding a quote, an inventory reading priced 0, an inactive article on a sale, sets with
// no counterpart kind, and entries and exits against open orders.
std::vector<SetPlan> FixedPlans(DemoRun& run, const std::vector<DemoOrder>& orders) {
  return {
      {"PDA01", 'I', 3, "", "A01", nullptr, {kQuotedArticle}, true},
      {"PDA02", 'A', std::nullopt, "", "A02"},
      {"PDA03", 'T', 4, "A02", "A01"},
      AgainstOrder("PDA01", RandomOrder(run, orders, 1)),
      AgainstOrder("PDA02", RandomOrder(run, orders, 2)),
      {"PDA03", 'S', 2, "C0003", "A01", nullptr, {kInactiveArticle}},
      {"PDA01", 'E', std::nullopt, "F0004", "A03"},
  };
}

// A set of a random movement kind, or of `only` when given; entries and exits of `only` are
// all read against orders.
SetPlan RandomPlan(DemoRun& run, const std::vector<DemoOrder>& orders, std::optional<char> only) {
  const std::vector<std::string>& warehouses = DemoWarehouses();
  const int count = static_cast<int>(warehouses.size());
  const std::string terminal = kTerminals[run.Below(3)];
  const char drawn = "IATES"[run.Below(5)];
  const char kind = only.value_or(drawn);
  const int source = run.Below(count);
  SetPlan plan{terminal, kind, std::nullopt, "", warehouses[source]};
  switch (kind) {
    case 'I':
    case 'A':
      plan.party_kind = 3;
      break;
    case 'T':
      plan.party_kind = 4;
      plan.party = warehouses[(source + 1 + run.Below(count - 1)) % count];
      break;
    default: {
      const int party_kind = kind == 'E' ? 1 : 2;
      if (run.Chance(50) || only) {
        plan = AgainstOrder(terminal, RandomOrder(run, orders, party_kind));
        break;
      }
      const auto& parties = party_kind == 1 ? DemoSuppliers() : DemoCustomers();
      plan.party_kind = party_kind;
      plan.party = parties[run.Below(static_cast<int>(parties.size()))].code;
    }
  }
  if (run.Chance(15)) plan.party_kind.reset();
  return plan;
}

}  // namespace

void InsertReadings(DemoRun& run, const std::vector<DemoOrder>& orders, const DemoSerials& serials,
                    int count, std::optional<char> only) {
  ReadingSetWriter writer(run, serials);
  int remaining = count;
  if (!only) {
    for (const SetPlan& plan : FixedPlans(run, orders)) {
      if (remaining > 0) remaining -= writer.Write(plan, remaining);
    }
  }
  while (remaining > 0) remaining -= writer.Write(RandomPlan(run, orders, only), remaining);
}

}  // namespace pellora::app
