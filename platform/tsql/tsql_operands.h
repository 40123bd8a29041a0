#ifndef PELLORA_PLATFORM_TSQL_TSQL_OPERANDS_H_
#define PELLORA_PLATFORM_TSQL_TSQL_OPERANDS_H_

#include "platform/tsql/tsql_items.h"

namespace pellora::tsql {

// Where the operands of an arithmetic operator begin and end, at one level of items.

// A keyword that is never an operand itself (SELECT, WHERE, AND, WHEN, JOIN, ...).
bool IsReservedWord(const Item& item);
// An item that can end an operand: a literal, name, variable, group or the END of a CASE.
bool IsOperandEnd(const Item& item);
// The END that closes the CASE at `case_pos`; an Error when missing.
size_t CaseEnd(ItemSpan items, size_t case_pos);
// An operator or keyword that ends an additive chain (a comparison, a comma, AND, THEN, ...).
bool IsChainBoundary(const Item& item);
// One past the multiplicative term that starts at `pos` (signs, a primary, * / % and more).
size_t TermEnd(ItemSpan items, size_t pos);
// The first item of the additive chain that ends right before the operator at `op_pos`.
size_t LeftOperandStart(ItemSpan items, size_t op_pos);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_OPERANDS_H_
