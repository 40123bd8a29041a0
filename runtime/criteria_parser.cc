#include "runtime/criteria_parser.h"

#include <cctype>
#include <string>
#include <utility>

#include "runtime/criteria_literal.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace pellora {

namespace {

using Groups = std::vector<std::vector<CriteriaClause>>;

// Parentheses nest by recursion; deeper criteria are refused before they exhaust the stack. No
// filter the system builds comes near.
constexpr int kMaxNesting = 100;

// AND distributes over OR, so every AND of OR-groups multiplies the clauses. Past this many the
// criteria are refused: no filter the system builds comes near, and the growth is exponential.
constexpr size_t kMaxClauses = 10000;

size_t ClauseCount(const Groups& groups) {
  size_t count = 0;
  for (const auto& group : groups) count += group.size();
  return count;
}

[[noreturn]] void Malformed() {
  RaiseRuntimeError(kAdoInvalidArgument, "ADODB.Recordset");
}

// Letters (accented ones included, as UTF-8 lead and continuation bytes), digits and '_'.
bool IsNameChar(char c) {
  unsigned char byte = static_cast<unsigned char>(c);
  return std::isalnum(byte) || c == '_' || byte >= 0x80;
}

bool IsWildcard(char c) {
  return c == '*' || c == '%';
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Criteria Parse() {
    Criteria criteria{ParseOr()};
    SkipSpaces();
    if (pos_ != text_.size()) Malformed();
    return criteria;
  }

 private:
  Groups ParseOr() {
    Groups groups = ParseAnd();
    while (AcceptKeyword("OR")) {
      Groups more = ParseAnd();
      if (ClauseCount(groups) + ClauseCount(more) > kMaxClauses) Malformed();
      groups.insert(groups.end(), std::make_move_iterator(more.begin()),
                    std::make_move_iterator(more.end()));
    }
    return groups;
  }

  // (A or B) and (C or D) is (A and C) or (A and D) or (B and C) or (B and D).
  Groups ParseAnd() {
    Groups groups = ParseFactor();
    while (AcceptKeyword("AND")) {
      Groups right = ParseFactor();
      // Each side holds at most kMaxClauses clauses, so neither product overflows.
      if (groups.size() * ClauseCount(right) + right.size() * ClauseCount(groups) > kMaxClauses) {
        Malformed();
      }
      if (right.size() == 1) {
        // The usual "A AND B": every group gains the one right group; nothing to multiply.
        for (auto& group : groups) group.insert(group.end(), right[0].begin(), right[0].end());
        continue;
      }
      Groups product;
      for (const auto& left_group : groups) {
        for (const auto& right_group : right) {
          product.push_back(left_group);
          product.back().insert(product.back().end(), right_group.begin(), right_group.end());
        }
      }
      groups = std::move(product);
    }
    return groups;
  }

  Groups ParseFactor() {
    SkipSpaces();
    if (Accept('(')) {
      if (++depth_ > kMaxNesting) Malformed();
      Groups groups = ParseOr();
      SkipSpaces();
      if (!Accept(')')) Malformed();
      --depth_;
      return groups;
    }
    return Groups{{ParseClause()}};
  }

  CriteriaClause ParseClause() {
    CriteriaClause clause;
    clause.field_name = ParseFieldName();
    clause.op = ParseOperator();
    clause.value = ParseValue();
    if (clause.value.kind == CriteriaLiteral::Kind::kNull && clause.op != CriteriaOp::kEqual &&
        clause.op != CriteriaOp::kNotEqual) {
      Malformed();
    }
    if (clause.op == CriteriaOp::kLike) ShapeLike(&clause);
    return clause;
  }

  std::string ParseFieldName() {
    SkipSpaces();
    if (Accept('[')) {
      size_t close = text_.find(']', pos_);
      if (close == std::string_view::npos || close == pos_) Malformed();
      std::string name(text_.substr(pos_, close - pos_));
      pos_ = close + 1;
      return name;
    }
    std::string name = ReadWord();
    if (name.empty()) Malformed();
    return name;
  }

  CriteriaOp ParseOperator() {
    SkipSpaces();
    if (Accept('=')) return CriteriaOp::kEqual;
    if (Accept('<')) {
      if (Accept('>')) return CriteriaOp::kNotEqual;
      if (Accept('=')) return CriteriaOp::kLessEqual;
      return CriteriaOp::kLess;
    }
    if (Accept('>')) return Accept('=') ? CriteriaOp::kGreaterEqual : CriteriaOp::kGreater;
    if (AcceptKeyword("LIKE")) return CriteriaOp::kLike;
    Malformed();
  }

  CriteriaLiteral ParseValue() {
    SkipSpaces();
    if (Accept('\'')) return TextLiteral(ReadQuoted());
    if (Accept('#')) return ParseHashValue();
    if (AcceptKeyword("NULL")) return NullLiteral();
    size_t start = pos_;
    while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_])) &&
           text_[pos_] != ')') {
      ++pos_;
    }
    std::string token(text_.substr(start, pos_ - start));
    std::optional<double> number = ParseCriteriaNumber(token);
    if (!number) Malformed();
    return NumberLiteral(std::move(token), *number);
  }

  // #date#, or #'text'# for a text that itself starts and ends with a quote.
  CriteriaLiteral ParseHashValue() {
    if (Accept('\'')) {
      std::string quoted = ReadQuoted();
      if (!Accept('#')) Malformed();
      return TextLiteral(std::move(quoted));
    }
    size_t close = text_.find('#', pos_);
    if (close == std::string_view::npos) Malformed();
    std::string token(text_.substr(pos_, close - pos_));
    pos_ = close + 1;
    std::optional<double> serial = ParseCriteriaDate(token);
    if (!serial) Malformed();
    return DateLiteral(std::move(token), *serial);
  }

  // The text up to the closing quote (already past the opening one); '' stands for one quote.
  std::string ReadQuoted() {
    std::string text;
    while (true) {
      if (pos_ >= text_.size()) Malformed();
      char c = text_[pos_++];
      if (c == '\'') {
        if (!Accept('\'')) return text;
      }
      text += c;
    }
  }

  // LIKE takes its wildcard at the end or at both ends; anywhere else it is an error.
  static void ShapeLike(CriteriaClause* clause) {
    if (clause->value.kind != CriteriaLiteral::Kind::kText) Malformed();
    std::string pattern = clause->value.text;
    bool leading = !pattern.empty() && IsWildcard(pattern.front());
    if (leading) pattern.erase(0, 1);
    bool trailing = !pattern.empty() && IsWildcard(pattern.back());
    if (trailing) pattern.pop_back();
    if (leading && !trailing) Malformed();
    for (char c : pattern) {
      if (IsWildcard(c)) Malformed();
    }
    clause->like = leading ? LikeForm::kContains : trailing ? LikeForm::kPrefix : LikeForm::kWhole;
    clause->value = TextLiteral(std::move(pattern));
  }

  std::string ReadWord() {
    size_t start = pos_;
    while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }

  // A keyword is a whole word, in any case.
  bool AcceptKeyword(std::string_view keyword) {
    SkipSpaces();
    size_t end = pos_;
    while (end < text_.size() && IsNameChar(text_[end])) ++end;
    if (CompareTextNoCase(text_.substr(pos_, end - pos_), keyword) != 0) return false;
    pos_ = end;
    return true;
  }

  bool Accept(char c) {
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  void SkipSpaces() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }

  std::string_view text_;
  size_t pos_ = 0;
  int depth_ = 0;  // parentheses open at pos_
};

}  // namespace

Criteria ParseCriteria(std::string_view text) {
  return Parser(text).Parse();
}

}  // namespace pellora
