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

struct SelectItem {
  ItemSpan expression;
  const Item* alias = nullptr;
};

// "expr AS alias" or "expr alias" -> expr and alias.
SelectItem SplitAlias(ItemSpan item) {
  if (item.size() < 2) return {item};
  const Item& last = item.back();
  const Item& before = item[item.size() - 2];
  bool alias = (IsName(last) && !IsReservedWord(last) && !IsWord(last, "END")) ||
               last.token.kind == TokenKind::kString;
  if (alias && IsWord(before, "AS")) return {item.first(item.size() - 2), &last};
  if (alias && IsOperandEnd(before)) return {item.first(item.size() - 1), &last};
  return {item};
}

bool IsStar(ItemSpan expression) {
  return !expression.empty() && IsSymbol(expression.back(), "*") &&
         (expression.size() == 1 || IsSymbol(expression[expression.size() - 2], "."));
}

// The items of a SELECT's list (after DISTINCT and TOP, up to FROM).
std::vector<SelectItem> SelectItems(ItemSpan select) {
  size_t start = 1;
  if (start < select.size() &&
      (IsWord(select[start], "DISTINCT") || IsWord(select[start], "ALL"))) {
    ++start;
  }
  if (start < select.size() && IsWord(select[start], "TOP")) start += 2;
  size_t end = start;
  while (end < select.size() && !EndsSelectList(select[end])) ++end;
  std::vector<SelectItem> items;
  if (start >= end) return items;
  for (ItemSpan item : SplitOnCommas(select.subspan(start, end - start))) {
    items.push_back(SplitAlias(item));
  }
  return items;
}

}  // namespace

std::vector<ColumnType> ResultColumnTypes(ItemSpan select, const TableScope& scope) {
  ExpressionTyper typer(scope);
  std::vector<ColumnType> types;
  for (const SelectItem& item : SelectItems(select)) {
    if (IsStar(item.expression)) return {};
    types.push_back(typer.TypeOf(item.expression));
  }
  return types;
}

std::vector<std::string> ResultColumnNames(ItemSpan select) {
  std::vector<std::string> names;
  for (const SelectItem& item : SelectItems(select)) {
    if (IsStar(item.expression)) return {};
    size_t end = 0;
    std::vector<std::string> column = ReadDottedName(item.expression, end);
    if (item.alias) {
      names.push_back(item.alias->token.text);
    } else if (!column.empty() && end == item.expression.size()) {
      names.push_back(column.back());
    } else {
      names.emplace_back();
    }
  }
  return names;
}

}  // namespace pellora::tsql
