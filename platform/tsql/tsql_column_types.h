#ifndef PELLORA_PLATFORM_TSQL_TSQL_COLUMN_TYPES_H_
#define PELLORA_PLATFORM_TSQL_TSQL_COLUMN_TYPES_H_

#include <optional>
#include <string_view>

#include "platform/tsql/tsql_items.h"
#include "platform/tsql/tsql_scope.h"
#include "platform/tsql/tsql_step.h"

namespace pellora::tsql {

// The ADO type of an SQL Server type name (nvarchar, int, ...); adEmpty when unknown.
// `length` is the declared length of text and binary types.
ColumnType TypeFromName(std::string_view name, long length = 0);
bool IsTextType(int ado_type);

// The target of CONVERT(type[(n)], ...): n is 30 when not given, 0 for (max).
ColumnType ConvertTarget(ItemSpan target);

// The type SQL Server gives `left + right`: a text join when the higher-precedence operand is
// text (or the only known one is), else the numeric type of higher precedence.
ColumnType AdditionType(ColumnType left, ColumnType right);
// The type SQL Server gives `left - right`: that of the operand of higher precedence.
ColumnType SubtractionType(ColumnType left, ColumnType right);

// Infers the type SQL Server reports for an expression of the statement whose tables `scope`
// holds. Unknown parts (variables, subqueries, functions the system does not use) give adEmpty.
class ExpressionTyper {
 public:
  explicit ExpressionTyper(const TableScope& scope) : scope_(scope) {}

  ColumnType TypeOf(ItemSpan expression) const;
  // As TypeOf, but nullopt when the expression is no plain sum of terms joined by + and - (a
  // comparison, say), which TypeOf reports as unknown.
  std::optional<ColumnType> ChainType(ItemSpan expression) const;
  // The type of `term` when it reads as one whole term (signs, operands joined by * / %), as
  // within a longer expression; nullopt otherwise.
  std::optional<ColumnType> WholeTermType(ItemSpan term) const;

 private:
  ColumnType TermType(ItemSpan items, size_t& pos) const;
  ColumnType PrimaryType(ItemSpan items, size_t& pos) const;
  ColumnType CaseType(ItemSpan case_items) const;
  ColumnType CallType(std::string_view function, ItemSpan arguments) const;

  const TableScope& scope_;
};

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_COLUMN_TYPES_H_
