// The documents of an inventory adjustment, as the floor plans them: the readings merged as the
// import's loader merges them, the stock moved since each count, then the breakage document for
// positive stock, the surplus document for negative stock (both dated the day before) and the
// final surplus document with the counted quantities.

#ifndef PELLORA_BENCH_DIRECT_ADJUSTMENT_H_
#define PELLORA_BENCH_DIRECT_ADJUSTMENT_H_

#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bench/direct_connection.h"
#include "bench/direct_lines.h"
#include "bench/direct_readings.h"
#include "runtime/clock.h"
#include "runtime/format.h"
#include "runtime/text.h"

namespace pellora::bench {

class AdjustmentPlanner {
 public:
  explicit AdjustmentPlanner(DirectConnection& db) : db_(db) {}

  // The breakage, surplus and final documents; the first two may have no lines.
  std::vector<DirectPlan> Plan(const std::vector<DirectReading>& readings) {
    const std::vector<Counted> counted = Merged(readings);
    return {WrittenOff(counted, true), WrittenOff(counted, false), Final(counted)};
  }

 private:
  // A merged reading and the stock moved in its warehouse since it was counted (held by the
  // first row of each article and warehouse only).
  struct Counted {
    DirectReading reading;
    double moved = 0;
  };

  // One row per article, unit, warehouse, serial number and lots, in the order of first reading,
  // keeping that reading's other fields; the loader does not merge a key holding a NULL, and the
  // readings hold none.
  std::vector<Counted> Merged(const std::vector<DirectReading>& readings) {
    std::map<
        std::tuple<std::string, std::string, std::string, std::string, std::string, std::string>,
        size_t>
        row_of;
    std::set<std::pair<std::string, std::string>> places;
    std::vector<Counted> merged;
    for (const DirectReading& r : readings) {
      const auto [at, added] = row_of.emplace(
          std::tuple(r.article, r.unit, r.warehouse, r.serial, r.lot, r.supplier_lot),
          merged.size());
      if (!added) {
        merged[at->second].reading.quantity += r.quantity;
        continue;
      }
      const bool first = places.emplace(UCase(r.article), UCase(r.warehouse)).second;
      merged.push_back({r, first ? MovedSince(r) : 0});
    }
    return merged;
  }

  // The stock the company's documents moved in the reading's warehouse between its count
  // ("yyyyMMddHHmmss") and now, in base units, by the documents' last change.
  double MovedSince(const DirectReading& r) {
    if (!movements_) {
      const std::string changed = db_.DateDigits("C.DateUpd") + " || C.HourUpd";
      movements_ = db_.Prepare(
          "SELECT COALESCE(SUM(CASE WHEN C.TPFSTC = 2 THEN -1 ELSE 1 END * L.QUANT * "
          "COALESCE(NULLIF(L.FACTOR, 0), 1)), 0) FROM DOCGCCAB AS C INNER JOIN DOCGCLIN AS L "
          "ON C.NNUMDOC = L.NNUMDOC AND C.TPDOC = L.TPDOCUM AND C.SERIE = L.SERIE "
          "AND C.ANO = L.ANO WHERE C.NVIAS <> -1 AND C.AREAG = 4 AND C.HOURNEW <> '' "
          "AND L.ARTIGO = ?1 AND L.ARMAZEM = ?2 AND " +
          changed + " >= ?3 AND " + changed + " <= ?4");
      now_ = Format(Variant(Now()), "yyyyMMddHH:mm:ss");
    }
    const std::string& at = r.read_at;
    const std::string from = at.substr(0, 10) + ":" + at.substr(10, 2) + ":" + at.substr(12, 2);
    movements_->Bind(1, r.article).Bind(2, r.warehouse).Bind(3, from).Bind(4, now_);
    return movements_->Step() ? movements_->Double(0) : 0;
  }

  // The average cost of one base unit, 0 unless the stock and its value are positive: computed
  // for the reading's unit into money, then brought back to the base unit.
  static double AverageCost(const DirectReading& r) {
    if (r.stock_value <= 0 || r.total_stock <= 0) return 0;
    return Money(r.stock_value / r.total_stock * r.factor) / r.factor;
  }

  static DirectLine BaseUnitLine(const DirectReading& r, double quantity, double price) {
    DirectLine line;
    line.article = r.article, line.name = r.name, line.warehouse = r.warehouse;
    line.unit = r.base_unit, line.tax = r.tax, line.quantity = quantity, line.price = price;
    return line;
  }

  // The whole warehouse stock of each article with positive stock (breakage) or negative stock
  // (surplus) on one line, at its first reading: a breakage writes off the first serial numbers
  // in stock and enters its lot for the whole quantity. The import refuses a surplus of an
  // article with serial numbers or lots, which the floor leaves to it.
  DirectPlan WrittenOff(const std::vector<Counted>& counted, bool breakage) {
    DirectPlan plan{breakage ? "QBR" : "SBR", -1, {}};
    std::set<std::pair<std::string, std::string>> places;
    for (const Counted& c : counted) {
      const DirectReading& r = c.reading;
      if (breakage ? r.stock <= 0 : r.stock >= 0) continue;
      if (!places.emplace(UCase(r.article), UCase(r.warehouse)).second) continue;
      DirectLine line = BaseUnitLine(r, std::fabs(r.stock), AverageCost(r));
      if (breakage && !r.serial.empty()) line.serials = SerialsInStock(r, line.quantity);
      if (breakage && !r.lot.empty())
        line.lots.push_back({r.lot, r.supplier_lot, "", line.quantity});
      plan.lines.push_back(std::move(line));
    }
    return plan;
  }

  // The first `count` serial numbers the stock of the reading's article and warehouse lists.
  std::vector<std::string> SerialsInStock(const DirectReading& r, double count) {
    if (!serials_) {
      serials_ = db_.Prepare("SELECT NUMSER FROM NSEREXIS WHERE ARTIGO = ?1 AND ARMAZEM = ?2");
    }
    std::vector<std::string> numbers;
    serials_->Bind(1, r.article).Bind(2, r.warehouse);
    while (serials_->Step()) {
      if (numbers.size() < count) numbers.push_back(serials_->Text(0));
    }
    return numbers;
  }

  // The count in base units plus the movements since (none for a serial number, the one unit
  // it names), priced at the reading's own price, else the average cost, else the last cost.
  // Tracked readings join the line before when their line number is the Ordenaca remembered.
  static DirectPlan Final(const std::vector<Counted>& counted) {
    DirectPlan plan{"SBR", 0, {}};
    PreviousReading previous;
    for (const Counted& c : counted) {
      const DirectReading& r = c.reading;
      const double quantity = std::fabs(r.quantity * r.factor + (r.serial.empty() ? c.moved : 0));
      if (quantity != 0) {
        if (previous.Continues(r)) {
          plan.lines.back().quantity += quantity;
        } else {
          const double average = AverageCost(r);
          plan.lines.push_back(BaseUnitLine(r, quantity,
                                            r.own_price != 0 ? r.own_price
                                            : average != 0   ? average
                                                             : r.last_cost));
        }
        AddItems(r, quantity, plan.lines.back());
      }
      previous.Remember(r, r.ordering);
    }
    return plan;
  }

  DirectConnection& db_;
  std::unique_ptr<DirectStatement> movements_, serials_;
  std::string now_;
};

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_DIRECT_ADJUSTMENT_H_
