#include "platform/tsql/tsql_plus_operators.h"

#include "platform/tsql/tsql_operands.h"

namespace pellora::tsql {

namespace {

// An item that walking back from a later operator would not simply step over.
bool StopsTheWalkBack(const Item& item) {
  return IsChainBoundary(item) || IsWord(item, "END");
}

}  // namespace

bool PlusOperators::JoinsTexts(size_t op_pos) {
  if (!chain_ || chain_->end != op_pos) {
    const size_t start = LeftOperandStart(items_, op_pos);
    chain_ = Chain{start, op_pos, typer_.ChainType(items_.subspan(start, op_pos - start))};
  }
  const size_t right_end = TermEnd(items_, op_pos + 1);
  const ItemSpan right = items_.subspan(op_pos + 1, right_end - op_pos - 1);
  const bool joins =
      IsTextType(AdditionType(chain_->type.value_or(ColumnType{}), typer_.TypeOf(right)).ado_type);
  CarryPast(op_pos, right_end);
  return joins;
}

// Takes the right operand of this `+` into the chain, and the `- term`s after it, which belong to
// the chain as well; the chain is dropped where it cannot be carried exactly.
void PlusOperators::CarryPast(size_t op_pos, size_t term_end) {
  if (!Absorb(op_pos, term_end)) {
    chain_.reset();
    return;
  }
  while (chain_->end < items_.size() && IsSymbol(items_[chain_->end], "-")) {
    const size_t minus = chain_->end;
    // Only plain items are read ahead, so that reading them cannot fail where typing again from
    // the start would not.
    if (!PlainUpToNextOperator(minus + 1) || !Absorb(minus, TermEnd(items_, minus + 1))) {
      chain_.reset();
      return;
    }
  }
}

// Carries the chain past the operator at `op_pos` and its term, up to `term_end`, when the next
// operator would find the same chain start and the same type by typing from the start again:
// walking back over the term meets nothing that stops it, and the term alone reads as one whole
// term. A chain that is no plain sum stays one whatever follows.
bool PlusOperators::Absorb(size_t op_pos, size_t term_end) {
  const ItemSpan term = items_.subspan(op_pos + 1, term_end - op_pos - 1);
  for (const Item& item : term) {
    if (StopsTheWalkBack(item)) return false;
  }
  if (chain_->type) {
    const std::optional<ColumnType> term_type = typer_.WholeTermType(term);
    if (!term_type) return false;
    chain_->type = IsSymbol(items_[op_pos], "+") ? AdditionType(*chain_->type, *term_type)
                                                 : SubtractionType(*chain_->type, *term_type);
  }
  chain_->end = term_end;
  return true;
}

// Whether the items from `pos` to the next binary + or - (or the end) hold nothing that stops the
// walk back, a CASE included: a term read there stays within them.
bool PlusOperators::PlainUpToNextOperator(size_t pos) const {
  for (size_t i = pos; i < items_.size(); ++i) {
    const Item& item = items_[i];
    if (StopsTheWalkBack(item)) return false;
    if ((IsSymbol(item, "+") || IsSymbol(item, "-")) && i > pos && IsOperandEnd(items_[i - 1])) {
      return true;
    }
  }
  return true;
}

}  // namespace pellora::tsql
