#include "platform/tsql/tsql_batch_splitter.h"

#include <string_view>

#include "platform/tsql/tsql_error.h"

namespace pellora::tsql {
namespace {

class Splitter {
 public:
  explicit Splitter(ItemSpan items) : items_(items) {}

  // The statements up to the end of the batch or, inside a block, up to its END.
  std::vector<BatchStatement> Statements(bool inside_block) {
    std::vector<BatchStatement> statements;
    Items current;
    int open_cases = 0;
    auto finish = [&] {
      if (!current.empty()) statements.push_back(BatchStatement{std::move(current)});
      current.clear();
      open_cases = 0;
    };
    while (pos_ < items_.size()) {
      const Item& item = items_[pos_];
      if (IsSymbol(item, ";")) {
        ++pos_;
        finish();
      } else if (IsWord(item, "END") && open_cases == 0) {
        if (!inside_block) RaiseUnsupported("END sem BEGIN no texto SQL");
        ++pos_;
        finish();
        return statements;
      } else if (IsWord(item, "IF")) {
        finish();
        statements.push_back(If());
      } else if (IsWord(item, "BEGIN")) {
        finish();
        ++pos_;
        for (BatchStatement& statement : Statements(true))
          statements.push_back(std::move(statement));
      } else {
        if (StartsStatement(current)) finish();
        if (IsWord(item, "CASE")) ++open_cases;
        if (IsWord(item, "END")) --open_cases;
        current.push_back(item);
        ++pos_;
      }
    }
    if (inside_block) RaiseUnsupported("BEGIN sem END no texto SQL");
    finish();
    return statements;
  }

 private:
  // Whether the item at pos_ starts a new statement after the items of `current`.
  bool StartsStatement(const Items& current) const {
    const Item& item = items_[pos_];
    if (current.empty()) return false;
    if (IsWord(item, "SELECT")) {
      const Item& previous = current.back();
      return !IsWord(previous, "UNION") && !IsWord(previous, "ALL") &&
             !IsWord(current.front(), "INSERT");
    }
    if (IsWord(item, "ALTER")) {
      return pos_ + 1 >= items_.size() || !IsWord(items_[pos_ + 1], "COLUMN");
    }
    static constexpr std::string_view kStarts[] = {"UPDATE", "INSERT", "DELETE", "CREATE",
                                                   "DECLARE"};
    for (std::string_view keyword : kStarts) {
      if (IsWord(item, keyword)) return true;
    }
    return false;
  }

  BatchStatement If() {
    BatchStatement statement;
    statement.is_if = true;
    for (++pos_; pos_ < items_.size() && !IsWord(items_[pos_], "BEGIN"); ++pos_) {
      if (IsSymbol(items_[pos_], ";")) break;
      statement.condition.push_back(items_[pos_]);
    }
    if (pos_ >= items_.size() || !IsWord(items_[pos_], "BEGIN")) {
      RaiseUnsupportedByEngine("IF sem bloco BEGIN ... END não é suportado");
    }
    ++pos_;
    statement.body = Statements(true);
    if (pos_ < items_.size() && IsWord(items_[pos_], "ELSE")) {
      RaiseUnsupportedByEngine("IF ... ELSE não é suportado");
    }
    return statement;
  }

  ItemSpan items_;
  size_t pos_ = 0;
};

}  // namespace

std::vector<BatchStatement> SplitBatch(ItemSpan batch) {
  return Splitter(batch).Statements(false);
}

}  // namespace pellora::tsql
