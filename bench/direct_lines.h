// The documents an import makes of its readings, as the floor plans them before writing: their
// lines, the lot and serial-number entries of each line, by the import's own rules for placing
// readings (one line per grouped reading, readings with a serial number or lot joining the line
// before, a sale's lines split by what its order lines have pending, the separator and
// description lines of each order).

#ifndef PELLORA_BENCH_DIRECT_LINES_H_
#define PELLORA_BENCH_DIRECT_LINES_H_

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "bench/direct_readings.h"

namespace pellora::bench {

struct LotEntry {
  std::string code, supplier_lot, expiry;  // expiry "yyyyMMdd" or ""
  double quantity = 0;                     // in base units
};

struct DirectLine {
  std::string article, name, warehouse, unit;
  double factor = 1, quantity = 0, price = 0, discount_rate = 0, discount = 0, tax = 0;
  std::string seller;
  OrderLine order;  // the order line it serves, when `serves`
  bool serves = false;
  bool from_reading = false;  // the host marks the lines made of readings (ECOTAXA)
  std::vector<LotEntry> lots;
  std::vector<std::string> serials;

  double Total() const { return quantity * price * (1 - discount_rate / 100) - discount; }
};

struct DirectPlan {
  std::string type;
  int day = 0;  // the document's date, in days from today
  std::vector<DirectLine> lines;
};

// A unit price as the import computes it into a money field: to the fourth decimal, half to
// even.
inline double Money(double value) {
  return std::nearbyint(value * 10000) / 10000;
}

// A reading placed on a line: the quantity of the pass and the line's factor for its lot.
inline void AddItems(const DirectReading& r, double quantity, DirectLine& line) {
  if (!r.lot.empty()) {
    line.lots.push_back({r.lot, r.supplier_lot, r.expiry, quantity * line.factor});
  }
  if (!r.serial.empty()) line.serials.push_back(r.serial);
}

// The reading before, as the import's run over the readings remembers it: a tracked reading of
// the same article and warehouse whose line number is the remembered one joins its line.
class PreviousReading {
 public:
  bool Continues(const DirectReading& r) const {
    return remembered_ && r.Tracked() && r.article == article_ && r.warehouse == warehouse_ &&
           r.line_number == line_;
  }
  void Remember(const DirectReading& r, long long line) {
    remembered_ = true, article_ = r.article, warehouse_ = r.warehouse, line_ = line;
  }

 private:
  bool remembered_ = false;
  std::string article_, warehouse_;
  long long line_ = 0;
};

inline DirectLine ArticleLine(const DirectReading& r) {
  DirectLine line;
  line.article = r.article, line.name = r.name, line.warehouse = r.warehouse;
  line.unit = r.unit, line.factor = r.factor, line.tax = r.tax, line.from_reading = true;
  return line;
}

// An initial inventory: a line per grouped reading in the reading's unit, priced at its own
// price in that unit (else the last cost), tracked rows of one line number joining the line.
inline DirectPlan InventoryLines(const std::vector<DirectReading>& readings) {
  DirectPlan plan{"INV", 0, {}};
  PreviousReading previous;
  for (const DirectReading& r : readings) {
    if (r.quantity != 0) {
      if (previous.Continues(r)) {
        plan.lines.back().quantity += r.quantity;
      } else {
        DirectLine line = ArticleLine(r);
        line.quantity = r.quantity;
        line.price = r.own_price != 0 ? Money(r.own_price * r.factor) : r.last_cost;
        plan.lines.push_back(std::move(line));
      }
      AddItems(r, r.quantity, plan.lines.back());
    }
    previous.Remember(r, r.line_number);
  }
  return plan;
}

// The text line of a sale: an order's description, or the empty line before a new order.
inline DirectLine TextLine(std::string description) {
  DirectLine line;
  line.name = std::move(description);
  return line;
}

// "yyyy-mm-dd..." as "dd-mm-yyyy".
inline std::string DayMonthYear(const std::string& iso) {
  return iso.substr(8, 2) + "-" + iso.substr(5, 2) + "-" + iso.substr(0, 4);
}

// A sale, placed as the import places it: in line-number order, each change of order (or to
// readings of none) set apart by an empty line from the document's third line on and described
// when the order is there; a line against an order line takes what that line has pending, and
// the rest of the reading goes on the next line (or onto the same one when tracked). What is
// pending is the order's as read, counted down while the readings stay on that order: the
// import loads the order's lines again at each change. `priced_from_orders`: some reading names
// an order, and the import then prices readings of none at the last cost, not the sale price.
inline DirectPlan SaleLines(const std::vector<DirectReading>& readings) {
  const bool priced_from_orders = std::any_of(readings.begin(), readings.end(),
                                              [](const auto& r) { return r.order.Complete(); });
  DirectPlan plan{"FA", 0, {}};
  PreviousReading previous;
  OrderLine current;
  current.number = -1;  // no order yet, nor the readings of none
  std::map<long long, double> pending;
  for (const DirectReading& r : readings) {
    double left = r.quantity;
    while (left != 0) {
      if (previous.Continues(r)) {
        plan.lines.back().quantity += left;
        AddItems(r, left, plan.lines.back());
        left = 0;
      } else {
        if (!r.order.SameOrder(current)) {
          if (plan.lines.size() > 1) plan.lines.push_back(TextLine(""));
          current = r.order;
          pending.clear();
          if (r.order.Complete() && !r.order.order_date.empty()) {
            plan.lines.push_back(
                TextLine(r.order.Key() + " em " + DayMonthYear(r.order.order_date)));
          }
        }
        DirectLine line = ArticleLine(r);
        line.quantity = left;
        if (r.order.Complete()) {
          double& still = pending.emplace(r.line_number, r.order.pending).first->second;
          if (still > 0) {
            line.order = r.order, line.serves = true;
            line.name = r.order.description, line.seller = r.order.seller;
            line.quantity = std::min(left, still);
            still -= line.quantity;
          }
          line.price = r.order.price;
          line.discount_rate = r.order.discount_rate, line.discount = r.order.discount;
        } else {
          const double computed = priced_from_orders ? r.last_cost : Money(r.sale_price * r.factor);
          line.price = computed != 0 ? computed : r.sale_price;
        }
        left -= line.quantity;
        AddItems(r, line.quantity, line);
        plan.lines.push_back(std::move(line));
      }
      previous.Remember(r, r.line_number);
    }
    previous.Remember(r, r.line_number);
  }
  return plan;
}

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_DIRECT_LINES_H_
