#ifndef PELLORA_RUNTIME_CRITERIA_H_
#define PELLORA_RUNTIME_CRITERIA_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pellora {

// The value side of a criteria clause. What it can stand for is worked out once, when the
// criteria is parsed, so that rows are matched without parsing anything again.
struct CriteriaLiteral {
  enum class Kind { kText, kNumber, kDate, kNull };
  Kind kind = Kind::kText;
  std::string text;                   // the text between the quotes, or the token as written
  std::string folded;                 // `text` folded (FoldCase), for keys and LIKE
  std::optional<double> number;       // a number literal, or a text that reads as one
  std::optional<double> date_serial;  // a date literal, or a text that reads as one
};

enum class CriteriaOp { kEqual, kNotEqual, kLess, kGreater, kLessEqual, kGreaterEqual, kLike };

// Where LIKE allows its wildcard: none, at the end, or at both ends.
enum class LikeForm { kWhole, kPrefix, kContains };

struct CriteriaClause {
  std::string field_name;
  size_t field = 0;  // resolved by the recordset once parsed
  CriteriaOp op = CriteriaOp::kEqual;
  LikeForm like = LikeForm::kWhole;  // kLike only; `value` then holds the text without wildcards
  CriteriaLiteral value;
};

// A criteria in disjunctive form: a row matches when every clause of some group matches.
// That is the shape ADO's client cursor accepts, and it lets each group be planned on its own.
struct Criteria {
  std::vector<std::vector<CriteriaClause>> groups;
};

}  // namespace pellora

#endif  // PELLORA_RUNTIME_CRITERIA_H_
