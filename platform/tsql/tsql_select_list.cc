#include "platform/tsql/tsql_select_list.h"

#include <string_view>

#include "platform/tsql/tsql_column_types.h"
#include "platform/tsql/tsql_operands.h"

namespace pellora::tsql {
namespace {

bool EndsSelectList(const Item& item) {
  static constexpr std::string_view kWords[] = {"FROM",   "INTO",  "WHERE", "GROUP",
                                                "HAVING", "ORDER", "UNION"};
  for (std::string_view word : kWords) {
    if (IsWord(item, word)) return true;
  }
  return false;
}

// "expr AS alias" or "expr alias" -> expr.
ItemSpan WithoutAlias(ItemSpan item) {
  if (item.size() < 2) return item;
  const Item& last = item.back();
  const Item& before = item[item.size() - 2];
  bool alias = (IsName(last) && !IsReservedWord(last) && !IsWord(last, "END")) ||
               last.token.kind == TokenKind::kString;
  if (alias && IsWord(before, "AS")) return item.first(item.size() - 2);
  if (alias && IsOperandEnd(before)) return item.first(item.size() - 1);
  return item;
}

bool IsStar(ItemSpan expression) {
  return !expression.empty() && IsSymbol(expression.back(), "*") &&
         (expression.size() == 1 || IsSymbol(expression[expression.size() - 2], "."));
}

// The expressions of a SELECT's list (after DISTINCT and TOP, up to FROM), without aliases.
std::vector<ItemSpan> SelectExpressions(ItemSpan select) {
  size_t start = 1;
  if (start < select.size() &&
      (IsWord(select[start], "DISTINCT") || IsWord(select[start], "ALL"))) {
    ++start;
  }
  if (start < select.size() && IsWord(select[start], "TOP")) start += 2;
  size_t end = start;
  while (end < select.size() && !EndsSelectList(select[end])) ++end;
  std::vector<ItemSpan> expressions;
  if (start >= end) return expressions;
  for (ItemSpan item : SplitOnCommas(select.subspan(start, end - start))) {
    expressions.push_back(WithoutAlias(item));
  }
  return expressions;
}

}  // namespace

std::vector<ColumnType> ResultColumnTypes(ItemSpan select, const TableScope& scope) {
  ExpressionTyper typer(scope);
  std::vector<ColumnType> types;
  for (ItemSpan expression : SelectExpressions(select)) {
    if (IsStar(expression)) return {};
    types.push_back(typer.TypeOf(expression));
  }
  return types;
}

}  // namespace pellora::tsql
