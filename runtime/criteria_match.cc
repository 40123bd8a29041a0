#include "runtime/criteria_match.h"

#include "runtime/convert.h"
#include "runtime/text.h"

namespace pellora {

namespace {

int Sign(double a, double b) {
  return a < b ? -1 : a > b ? 1 : 0;
}

// The order of a value against a literal; nullopt when they cannot be compared.
std::optional<int> Compare(const Variant& value, const CriteriaLiteral& literal) {
  if (value.IsString()) return CompareTextNoCase(value.AsString(), literal.text);
  if (value.IsEmpty()) return CompareTextNoCase("", literal.text);
  if (value.type() == VarType::kDate) {
    double serial = value.AsDate().serial;
    if (literal.date_serial) return Sign(serial, *literal.date_serial);
    if (literal.number) return Sign(serial, *literal.number);
    return std::nullopt;
  }
  if (std::optional<double> number = value.NumberValue()) {
    if (literal.number) return Sign(*number, *literal.number);
    if (literal.date_serial) return Sign(*number, *literal.date_serial);
  }
  return std::nullopt;
}

bool Like(const CriteriaClause& clause, const Variant& value) {
  if (value.type() == VarType::kByteArray) return false;
  const std::string text = FoldCase(value.IsString() ? value.AsString() : CStr(value));
  const std::string& part = clause.value.folded;
  switch (clause.like) {
    case LikeForm::kWhole:
      return text == part;
    case LikeForm::kPrefix:
      return text.starts_with(part);
    case LikeForm::kContains:
      return text.find(part) != std::string::npos;
  }
  return false;
}

}  // namespace

bool ClauseMatches(const CriteriaClause& clause, const Variant& value) {
  if (clause.value.kind == CriteriaLiteral::Kind::kNull) {
    return (clause.op == CriteriaOp::kEqual) == value.IsNull();
  }
  if (value.IsNull()) return false;
  if (clause.op == CriteriaOp::kLike) return Like(clause, value);
  std::optional<int> order = Compare(value, clause.value);
  if (!order) return false;
  switch (clause.op) {
    case CriteriaOp::kEqual:
      return *order == 0;
    case CriteriaOp::kNotEqual:
      return *order != 0;
    case CriteriaOp::kLess:
      return *order < 0;
    case CriteriaOp::kGreater:
      return *order > 0;
    case CriteriaOp::kLessEqual:
      return *order <= 0;
    case CriteriaOp::kGreaterEqual:
      return *order >= 0;
    case CriteriaOp::kLike:
      break;
  }
  return false;
}

std::optional<MatchKey> MatchKeyOf(const Variant& value) {
  if (value.IsString()) return FoldCase(value.AsString());
  if (value.IsEmpty()) return std::string();
  if (value.type() == VarType::kDate) return value.AsDate().serial;
  if (std::optional<double> number = value.NumberValue()) return *number;
  return std::nullopt;
}

std::vector<MatchKey> MatchKeysOf(const CriteriaLiteral& literal) {
  std::vector<MatchKey> keys{literal.folded};
  if (literal.number) keys.emplace_back(*literal.number);
  if (literal.date_serial && literal.date_serial != literal.number) {
    keys.emplace_back(*literal.date_serial);
  }
  return keys;
}

}  // namespace pellora
