#include "platform/sqlite/sql_tokens.h"

#include <cctype>

namespace pellora::sqlite {
namespace {

bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' ||
         static_cast<unsigned char>(c) >= 0x80;
}

char ClosingQuote(char c) {
  switch (c) {
    case '\'':
    case '"':
    case '`':
      return c;
    case '[':
      return ']';
    default:
      return 0;
  }
}

// Moves `*position` past blanks and comments.
void SkipBlanks(std::string_view text, size_t* position) {
  size_t& i = *position;
  while (i < text.size()) {
    if (std::isspace(static_cast<unsigned char>(text[i]))) {
      ++i;
    } else if (text.substr(i, 2) == "--") {
      i = std::min(text.size(), text.find('\n', i));
    } else if (text.substr(i, 2) == "/*") {
      const auto end = text.find("*/", i + 2);
      i = end == std::string_view::npos ? text.size() : end + 2;
    } else {
      return;
    }
  }
}

}  // namespace

std::string_view NextToken(std::string_view text, size_t* position) {
  SkipBlanks(text, position);
  const size_t start = *position;
  if (start >= text.size()) return {};
  size_t end = start + 1;
  if (const char close = ClosingQuote(text[start])) {
    // A doubled closing quote inside stands for one.
    while (end < text.size()) {
      if (text[end++] != close) continue;
      if (end < text.size() && text[end] == close && close != ']') {
        ++end;
      } else {
        break;
      }
    }
  } else if (IsWordChar(text[start])) {
    while (end < text.size() && IsWordChar(text[end])) ++end;
  }
  *position = end;
  return text.substr(start, end - start);
}

std::string Unquoted(std::string_view token) {
  const char close = token.empty() ? 0 : ClosingQuote(token.front());
  if (close == 0 || token.size() < 2) return std::string(token);
  std::string name;
  for (size_t i = 1; i + 1 < token.size(); ++i) {
    name += token[i];
    if (token[i] == close && close != ']') ++i;
  }
  return name;
}

}  // namespace pellora::sqlite
