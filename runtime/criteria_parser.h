#ifndef PELLORA_RUNTIME_CRITERIA_PARSER_H_
#define PELLORA_RUNTIME_CRITERIA_PARSER_H_

#include <string_view>

#include "runtime/criteria.h"

namespace pellora {

// Parses ADO criteria: clauses "Field op Value" (op one of = <> < > <= >= LIKE; Field plain
// or [bracketed]; Value 'text', a number, #date#, #'text'# or NULL) joined by AND and OR, with
// parentheses. AND binds tighter than OR. Raises 3001 for malformed criteria. Field names are
// left unresolved.
Criteria ParseCriteria(std::string_view text);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_CRITERIA_PARSER_H_
