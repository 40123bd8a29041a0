#include "platform/tsql/tsql_operands.h"

#include <string_view>

#include "platform/tsql/tsql_error.h"

namespace pellora::tsql {
namespace {

bool IsSign(const Item& item) {
  return IsSymbol(item, "+") || IsSymbol(item, "-");
}

bool IsMultiplicative(const Item& item) {
  return IsSymbol(item, "*") || IsSymbol(item, "/") || IsSymbol(item, "%");
}

size_t CaseStart(ItemSpan items, size_t end_pos) {
  int depth = 0;
  for (size_t i = end_pos + 1; i-- > 0;) {
    if (IsWord(items[i], "END")) ++depth;
    if (IsWord(items[i], "CASE") && --depth == 0) return i;
  }
  RaiseUnsupported("END sem CASE correspondente no texto SQL");
}

// One past the primary (literal, name, call, group or CASE ... END) that starts at `pos`.
size_t PrimaryEnd(ItemSpan items, size_t pos) {
  if (pos >= items.size()) return pos;
  if (IsWord(items[pos], "CASE")) return CaseEnd(items, pos) + 1;
  if (!IsName(items[pos])) return pos + 1;
  size_t end = pos;
  bool single_part = ReadDottedName(items, end).size() == 1;
  if (single_part && end < items.size() && items[end].is_group) ++end;  // a function call
  return end;
}

}  // namespace

bool IsReservedWord(const Item& item) {
  static constexpr std::string_view kWords[] = {
      "ALL",      "AND",    "AS",     "ASC",  "BETWEEN", "BY",    "CASE",   "CROSS", "DESC",
      "DISTINCT", "ELSE",   "EXISTS", "FROM", "FULL",    "GROUP", "HAVING", "IN",    "INNER",
      "IS",       "JOIN",   "LEFT",   "LIKE", "NOT",     "ON",    "OR",     "ORDER", "OUTER",
      "RIGHT",    "SELECT", "SET",    "THEN", "TOP",     "UNION", "VALUES", "WHEN",  "WHERE"};
  for (std::string_view word : kWords) {
    if (IsWord(item, word)) return true;
  }
  return false;
}

bool IsChainBoundary(const Item& item) {
  static constexpr std::string_view kSymbols[] = {",", ";", "=", "<", ">", "<=", ">=", "<>", "!="};
  for (std::string_view symbol : kSymbols) {
    if (IsSymbol(item, symbol)) return true;
  }
  return IsReservedWord(item);
}

bool IsOperandEnd(const Item& item) {
  if (item.is_group) return true;
  if (item.token.kind == TokenKind::kSymbol) return false;
  return !IsReservedWord(item);
}

size_t CaseEnd(ItemSpan items, size_t case_pos) {
  int depth = 0;
  for (size_t i = case_pos; i < items.size(); ++i) {
    if (IsWord(items[i], "CASE")) ++depth;
    if (IsWord(items[i], "END") && --depth == 0) return i;
  }
  RaiseUnsupported("CASE sem END no texto SQL");
}

size_t TermEnd(ItemSpan items, size_t pos) {
  for (;;) {
    while (pos < items.size() && IsSign(items[pos])) ++pos;
    pos = PrimaryEnd(items, pos);
    if (pos >= items.size() || !IsMultiplicative(items[pos])) return pos;
    ++pos;
  }
}

size_t LeftOperandStart(ItemSpan items, size_t op_pos) {
  size_t start = op_pos;
  while (start > 0) {
    const Item& previous = items[start - 1];
    if (IsWord(previous, "END")) {
      start = CaseStart(items, start - 1);
    } else if (IsChainBoundary(previous)) {
      break;
    } else {
      --start;
    }
  }
  return start;
}

}  // namespace pellora::tsql
