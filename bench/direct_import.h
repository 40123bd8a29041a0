// The floor of an import: the same reads and writes done directly on the database, with
// prepared statements in one transaction. It reads the pending readings of the chosen sets in
// the shape of the import's loader (direct_readings.h), plans the documents the import makes of
// them, placing the readings on lines by the import's rules (direct_lines.h,
// direct_adjustment.h), writes them as the host stores a document (direct_document.h), moves
// the stock once per article and warehouse and marks the readings imported. It leaves out what
// the demo companies never need: the import's checks and refusals (unit prices, an order line
// that is not there, a surplus of an article with serial numbers or lots) and readings without
// article or quantity.

#ifndef PELLORA_BENCH_DIRECT_IMPORT_H_
#define PELLORA_BENCH_DIRECT_IMPORT_H_

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_support.h"
#include "bench/direct_adjustment.h"
#include "bench/direct_connection.h"
#include "bench/direct_document.h"
#include "bench/direct_lines.h"
#include "bench/direct_readings.h"

namespace pellora::bench {

// The import the floor does the work of.
enum class FloorKind { kInventory, kAdjustment, kSale };

struct DirectDocument {
  FloorKind kind = FloorKind::kInventory;
  // A sale's customer; "" for the customer of its first reading, as a sale against orders.
  std::string third_party;
};

class DirectImport {
 public:
  // `batches`: the sets of each import, one document (or an adjustment's three) each.
  DirectImport(DirectConnection& db, std::vector<SetArrays> batches, DirectDocument document)
      : db_(db), batches_(std::move(batches)), document_(std::move(document)) {}

  // Imports the pending readings of the sets; answers the document lines written.
  size_t Run() {
    db_.BeginWrite();
    DocumentWriter writer(db_);
    size_t lines = 0;
    for (const SetArrays& sets : batches_) {
      switch (document_.kind) {
        case FloorKind::kInventory:
          lines += Write(writer, InventoryLines(ReadReadings(db_, sets, ReadingShape::kPerArticle)),
                         "", OrderLine{});
          break;
        case FloorKind::kAdjustment: {
          AdjustmentPlanner planner(db_);
          for (const DirectPlan& plan :
               planner.Plan(ReadReadings(db_, sets, ReadingShape::kAsRead))) {
            lines += Write(writer, plan, "", OrderLine{});
          }
          break;
        }
        case FloorKind::kSale:
          lines += WriteSale(writer, ReadReadings(db_, sets, ReadingShape::kPerLine));
          break;
      }
      Mark(sets);
    }
    writer.MoveStock();
    db_.Exec("COMMIT");
    return lines;
  }

 private:
  // A sale's header names its customer, or that of its first reading, and takes the free fields
  // of the first order its readings name.
  size_t WriteSale(DocumentWriter& writer, const std::vector<DirectReading>& readings) {
    if (readings.empty()) return 0;
    const auto first_order = std::find_if(readings.begin(), readings.end(),
                                          [](const auto& r) { return r.order.Complete(); });
    return Write(
        writer, SaleLines(readings),
        document_.third_party.empty() ? readings.front().third_party : document_.third_party,
        first_order == readings.end() ? OrderLine{} : first_order->order);
  }

  // A document without lines is not made, as the import makes none.
  static size_t Write(DocumentWriter& writer, const DirectPlan& plan,
                      const std::string& third_party, const OrderLine& free_fields_of) {
    if (plan.lines.empty()) return 0;
    writer.Write(plan, third_party, free_fields_of);
    return plan.lines.size();
  }

  // The import marks its pending readings in one statement.
  void Mark(const SetArrays& sets) {
    db_.Exec("UPDATE oru_ARM_Picking_Movimentos SET Estado = 1 WHERE " + SetsCondition(sets) +
             " AND Estado = 0");
  }

  DirectConnection& db_;
  std::vector<SetArrays> batches_;
  DirectDocument document_;
};

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_DIRECT_IMPORT_H_
