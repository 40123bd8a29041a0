#ifndef PELLORA_PLATFORM_TSQL_TSQL_ITEMS_H_
#define PELLORA_PLATFORM_TSQL_TSQL_ITEMS_H_

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/tsql/tsql_lexer.h"

namespace pellora::tsql {

// A token, or a parenthesised group of items: the shape every rewrite works on.
struct Item {
  Token token;  // the token itself, or the group's "("
  bool is_group = false;
  std::vector<Item> children{};
  Token close{};  // the group's ")"
};

using Items = std::vector<Item>;
using ItemSpan = std::span<const Item>;

// Nests the tokens by parentheses; unbalanced ones fail with an Error.
Items BuildItems(const std::vector<Token>& tokens);

// The text of the items, keeping a blank wherever the source had one; `spell` writes each token
// (TokenText when not given).
using TokenSpeller = std::function<std::string(const Token&)>;
std::string Render(ItemSpan items);
std::string Render(ItemSpan items, const TokenSpeller& spell);

bool IsWord(const Item& item, std::string_view keyword);
bool IsSymbol(const Item& item, std::string_view symbol);
bool IsName(const Item& item);  // a plain or quoted name
// A group whose first item is the word `keyword`, e.g. a subquery for "SELECT".
bool IsGroupStartingWith(const Item& item, std::string_view keyword);

// The parts between commas at this level (a trailing comma gives an empty last part).
std::vector<ItemSpan> SplitOnCommas(ItemSpan items);
size_t FindWord(ItemSpan items, std::string_view keyword, size_t from = 0);  // size() if none

// A dotted name such as [dbo].[t] or MO.Artigo starting at `pos`; returns its parts and moves
// `pos` past it.
std::vector<std::string> ReadDottedName(ItemSpan items, size_t& pos);

// Builders for rewritten text.
Item MakeToken(TokenKind kind, std::string text, bool space_before = false);
Items WithLeadingSpace(Items items, bool space_before);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_ITEMS_H_
