#ifndef PELLORA_RUNTIME_CRITERIA_MATCH_H_
#define PELLORA_RUNTIME_CRITERIA_MATCH_H_

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "runtime/criteria.h"
#include "runtime/variant.h"

namespace pellora {

// Whether a field's value satisfies a clause, as ADO's client cursor compares: texts without
// regard to case, numbers numerically (also against a quoted text that reads as a number),
// dates as dates. Null satisfies only "= NULL"; no ordinary comparison, not even = ''.
bool ClauseMatches(const CriteriaClause& clause, const Variant& value);

// What equality compares a value by: a number (dates by their serial) or a folded text.
using MatchKey = std::variant<double, std::string>;

// The key of a value; nullopt for values no equality can match (Null, binary).
std::optional<MatchKey> MatchKeyOf(const Variant& value);
// Every key a value may have and still equal `literal`. ClauseMatches(=) holds only for
// values whose key is among these, which is what lets an index answer equality clauses.
std::vector<MatchKey> MatchKeysOf(const CriteriaLiteral& literal);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_CRITERIA_MATCH_H_
