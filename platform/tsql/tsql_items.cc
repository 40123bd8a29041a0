#include "platform/tsql/tsql_items.h"

#include "platform/tsql/tsql_error.h"

namespace pellora::tsql {
namespace {

// Groups nest, and are later rewritten, by recursion; deeper text is refused before it exhausts
// the stack, as SQL Server refuses a statement nested too deeply. The system's go a few deep.
constexpr int kMaxNesting = 100;

Items Nest(const std::vector<Token>& tokens, size_t& pos, int depth) {
  if (depth > kMaxNesting) {
    RaiseUnsupported("Parêntesis encaixados a mais de " + std::to_string(kMaxNesting) +
                     " níveis no texto SQL");
  }
  Items items;
  while (pos < tokens.size()) {
    const Token& token = tokens[pos++];
    if (token.kind == TokenKind::kSymbol && token.text == ")") {
      if (depth == 0) RaiseUnsupported("Parêntesis ')' sem '(' no texto SQL");
      items.push_back(Item{token});  // marks the close for the caller
      return items;
    }
    if (token.kind == TokenKind::kSymbol && token.text == "(") {
      Item group{token, true, Nest(tokens, pos, depth + 1)};
      if (group.children.empty() || !IsSymbol(group.children.back(), ")")) {
        RaiseUnsupported("Parêntesis '(' sem ')' no texto SQL");
      }
      group.close = group.children.back().token;
      group.children.pop_back();
      items.push_back(std::move(group));
    } else {
      items.push_back(Item{token});
    }
  }
  return items;
}

void RenderInto(ItemSpan items, const TokenSpeller& spell, std::string& out) {
  for (const Item& item : items) {
    if (item.token.space_before && !out.empty()) out += ' ';
    out += spell(item.token);
    if (!item.is_group) continue;
    RenderInto(item.children, spell, out);
    if (item.close.space_before) out += ' ';
    out += ')';
  }
}

}  // namespace

Items BuildItems(const std::vector<Token>& tokens) {
  size_t pos = 0;
  return Nest(tokens, pos, 0);
}

std::string Render(ItemSpan items) {
  return Render(items, TokenText);
}

std::string Render(ItemSpan items, const TokenSpeller& spell) {
  std::string out;
  RenderInto(items, spell, out);
  return out;
}

bool IsWord(const Item& item, std::string_view keyword) {
  return !item.is_group && IsKeyword(item.token, keyword);
}

bool IsSymbol(const Item& item, std::string_view symbol) {
  return !item.is_group && item.token.kind == TokenKind::kSymbol && item.token.text == symbol;
}

bool IsName(const Item& item) {
  return !item.is_group &&
         (item.token.kind == TokenKind::kWord || item.token.kind == TokenKind::kQuotedName);
}

bool IsGroupStartingWith(const Item& item, std::string_view keyword) {
  return item.is_group && !item.children.empty() && IsWord(item.children.front(), keyword);
}

std::vector<ItemSpan> SplitOnCommas(ItemSpan items) {
  std::vector<ItemSpan> parts;
  size_t start = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!IsSymbol(items[i], ",")) continue;
    parts.push_back(items.subspan(start, i - start));
    start = i + 1;
  }
  parts.push_back(items.subspan(start));
  return parts;
}

size_t FindWord(ItemSpan items, std::string_view keyword, size_t from) {
  for (size_t i = from; i < items.size(); ++i) {
    if (IsWord(items[i], keyword)) return i;
  }
  return items.size();
}

std::vector<std::string> ReadDottedName(ItemSpan items, size_t& pos) {
  std::vector<std::string> parts;
  while (pos < items.size() && IsName(items[pos])) {
    parts.push_back(items[pos++].token.text);
    if (pos + 1 >= items.size() || !IsSymbol(items[pos], ".")) break;
    ++pos;
  }
  return parts;
}

Item MakeToken(TokenKind kind, std::string text, bool space_before) {
  Token token{kind, std::move(text)};
  token.space_before = space_before;
  return Item{std::move(token)};
}

Items WithLeadingSpace(Items items, bool space_before) {
  if (!items.empty()) items.front().token.space_before = space_before;
  return items;
}

}  // namespace pellora::tsql
