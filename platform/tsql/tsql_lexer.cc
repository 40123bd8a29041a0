#include "platform/tsql/tsql_lexer.h"

#include <cctype>
#include <charconv>
#include <cstdint>

#include "platform/tsql/tsql_error.h"
#include "runtime/text.h"

namespace pellora::tsql {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Letters, digits and the name characters of T-SQL; bytes of UTF-8 sequences count as letters.
bool IsNameChar(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return std::isalnum(u) || c == '_' || c == '#' || c == '$' || c == '@' || u >= 0x80;
}

bool IsNameStart(char c) {
  return IsNameChar(c) && !std::isdigit(static_cast<unsigned char>(c)) && c != '$';
}

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  std::vector<Token> Run() {
    std::vector<Token> tokens;
    while (SkipBlanksAndComments(), pos_ < text_.size()) {
      Token token = Next();
      // T-SQL ends a number where a letter starts ("=3ORDER BY"); engines need the blank.
      const bool after_number = !tokens.empty() && tokens.back().kind == TokenKind::kNumber &&
                                token.kind == TokenKind::kWord;
      token.space_before = space_before_ || after_number;
      space_before_ = false;
      tokens.push_back(std::move(token));
    }
    return tokens;
  }

 private:
  char At(size_t pos) const { return pos < text_.size() ? text_[pos] : '\0'; }

  void SkipBlanksAndComments() {
    for (;;) {
      if (IsBlank(At(pos_))) {
        ++pos_;
      } else if (At(pos_) == '-' && At(pos_ + 1) == '-') {
        size_t end = text_.find('\n', pos_);
        pos_ = end == std::string_view::npos ? text_.size() : end;
      } else if (At(pos_) == '/' && At(pos_ + 1) == '*') {
        size_t end = text_.find("*/", pos_ + 2);
        if (end == std::string_view::npos) RaiseUnsupported("Comentário /* sem fim no texto SQL");
        pos_ = end + 2;
      } else {
        return;
      }
      space_before_ = true;
    }
  }

  Token Next() {
    char c = At(pos_);
    if ((c == 'N' || c == 'n') && At(pos_ + 1) == '\'') {
      ++pos_;
      Token token = Quoted(TokenKind::kString, '\'', "Texto entre plicas sem fim no texto SQL");
      token.national = true;
      return token;
    }
    if (c == '\'')
      return Quoted(TokenKind::kString, '\'', "Texto entre plicas sem fim no texto SQL");
    if (c == '"')
      return Quoted(TokenKind::kQuotedName, '"', "Nome entre aspas sem fim no texto SQL");
    if (c == '[')
      return Quoted(TokenKind::kQuotedName, ']', "Nome entre parênteses rectos sem fim");
    if (std::isdigit(static_cast<unsigned char>(c))) return Number();
    if (c == '@') return Run(TokenKind::kVariable);
    if (IsNameStart(c)) return Run(TokenKind::kWord);
    return Symbol();
  }

  // A literal or name between `close` characters (after the opening one); a doubled `close`
  // stands for itself.
  Token Quoted(TokenKind kind, char close, const char* unterminated) {
    Token token{kind};
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size()) RaiseUnsupported(unterminated);
      char c = text_[pos_++];
      if (c != close) {
        token.text += c;
      } else if (At(pos_) == close) {
        token.text += close;
        ++pos_;
      } else {
        return token;
      }
    }
  }

  Token Number() {
    size_t start = pos_;
    auto digits = [this] {
      while (std::isdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
    };
    digits();
    if (At(pos_) == '.') ++pos_, digits();
    if ((At(pos_) == 'e' || At(pos_) == 'E') &&
        (std::isdigit(static_cast<unsigned char>(At(pos_ + 1))) ||
         ((At(pos_ + 1) == '+' || At(pos_ + 1) == '-') &&
          std::isdigit(static_cast<unsigned char>(At(pos_ + 2)))))) {
      pos_ += 2;
      digits();
    }
    return Token{TokenKind::kNumber, std::string(text_.substr(start, pos_ - start))};
  }

  Token Run(TokenKind kind) {
    size_t start = pos_++;
    while (IsNameChar(At(pos_))) ++pos_;
    return Token{kind, std::string(text_.substr(start, pos_ - start))};
  }

  Token Symbol() {
    static constexpr std::string_view kPairs[] = {"<=", ">=", "<>", "!=", "||"};
    for (std::string_view pair : kPairs) {
      if (text_.substr(pos_, 2) == pair) {
        pos_ += 2;
        return Token{TokenKind::kSymbol, std::string(pair)};
      }
    }
    return Token{TokenKind::kSymbol, std::string(1, text_[pos_++])};
  }

  std::string_view text_;
  size_t pos_ = 0;
  bool space_before_ = false;
};

std::string Enclose(const std::string& text, char quote) {
  std::string out(1, quote);
  for (char c : text) {
    out += c;
    if (c == quote) out += c;
  }
  return out + quote;
}

}  // namespace

std::vector<Token> Tokenize(std::string_view tsql) {
  return Lexer(tsql).Run();
}

std::string TokenText(const Token& token) {
  switch (token.kind) {
    case TokenKind::kString:
      return Enclose(token.text, '\'');
    case TokenKind::kQuotedName:
      return Enclose(token.text, '"');
    default:
      return token.text;
  }
}

std::optional<long> IntLiteral(const Token& token) {
  if (token.kind != TokenKind::kNumber) return std::nullopt;
  const char* const end = token.text.data() + token.text.size();
  int32_t value = 0;
  const auto [stop, error] = std::from_chars(token.text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return EqualTextNoCase(a, b);
}

bool IsKeyword(const Token& token, std::string_view keyword) {
  return token.kind == TokenKind::kWord && EqualsNoCase(token.text, keyword);
}

}  // namespace pellora::tsql
