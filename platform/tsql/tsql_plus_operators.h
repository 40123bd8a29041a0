#ifndef PELLORA_PLATFORM_TSQL_TSQL_PLUS_OPERATORS_H_
#define PELLORA_PLATFORM_TSQL_TSQL_PLUS_OPERATORS_H_

#include <optional>

#include "platform/tsql/tsql_column_types.h"
#include "platform/tsql/tsql_items.h"

namespace pellora::tsql {

// Tells, for the `+` operators of one level of items asked about from left to right, which join
// texts: those whose operands' types make an addition a text, as SQL Server decides. The left
// operand is the whole additive chain before the `+`. The chain typed for one answer is carried
// on to the next `+`, so that a + b - c + ... is typed once, left to right, instead of again from
// `a` at every `+`.
class PlusOperators {
 public:
  PlusOperators(ItemSpan items, const ExpressionTyper& typer) : items_(items), typer_(typer) {}

  bool JoinsTexts(size_t op_pos);

 private:
  struct Chain {
    size_t start = 0;                // the chain's first item
    size_t end = 0;                  // one past its last term typed so far
    std::optional<ColumnType> type;  // of items [start, end); nullopt: not a plain sum
  };

  void CarryPast(size_t op_pos, size_t term_end);
  bool Absorb(size_t op_pos, size_t term_end);
  bool PlainUpToNextOperator(size_t pos) const;

  ItemSpan items_;
  const ExpressionTyper& typer_;
  std::optional<Chain> chain_;
};

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_PLUS_OPERATORS_H_
