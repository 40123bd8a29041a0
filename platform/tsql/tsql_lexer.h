#ifndef PELLORA_PLATFORM_TSQL_TSQL_LEXER_H_
#define PELLORA_PLATFORM_TSQL_TSQL_LEXER_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellora::tsql {

enum class TokenKind {
  kWord,        // keyword, function or plain name
  kQuotedName,  // [name] or "name"; `text` holds the name without quotes
  kString,      // '...' or N'...'; `text` holds the value, quotes undoubled
  kNumber,
  kVariable,  // @name
  kSymbol,    // operator or punctuation: ( ) , . ; + - * / = < > <= >= <> != ||
};

struct Token {
  TokenKind kind = TokenKind::kSymbol;
  std::string text{};
  bool national = false;      // N'...' literal
  bool space_before = false;  // blanks, line breaks or a comment came before it
};

// Splits T-SQL text into tokens; comments and blanks only set `space_before`. An unterminated
// literal or bracketed name fails with an Error.
std::vector<Token> Tokenize(std::string_view tsql);

// The token as engine text: '...' for every string literal, "..." for every quoted name.
std::string TokenText(const Token& token);

// The value of a number token written as digits only and within SQL Server's int range; nullopt
// for any other token, a decimal or a larger number.
std::optional<long> IntLiteral(const Token& token);

// Equality without case, as names and keywords compare in T-SQL: the company's one text rule.
bool EqualsNoCase(std::string_view a, std::string_view b);
// A word equal to `keyword`, whatever its case.
bool IsKeyword(const Token& token, std::string_view keyword);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_LEXER_H_
