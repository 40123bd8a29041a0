#include "platform/tsql/repeatable_update.h"

#include <set>
#include <string>
#include <vector>

#include "platform/tsql/tsql_lexer.h"
#include "runtime/text.h"

namespace pellora::tsql {
namespace {

bool IsName(const Token& token) {
  return token.kind == TokenKind::kWord || token.kind == TokenKind::kQuotedName;
}

bool IsConstant(const Token& token) {
  return token.kind == TokenKind::kString || token.kind == TokenKind::kNumber;
}

bool IsSymbol(const Token& token, std::string_view symbol) {
  return token.kind == TokenKind::kSymbol && token.text == symbol;
}

}  // namespace

bool IsRepeatableUpdate(std::string_view tsql) {
  const std::vector<Token> tokens = Tokenize(tsql);
  size_t i = 0;
  auto at_end = [&] { return i >= tokens.size(); };
  if (at_end() || !IsKeyword(tokens[i++], "UPDATE")) return false;
  if (at_end() || !IsName(tokens[i++])) return false;
  if (at_end() || !IsKeyword(tokens[i++], "SET")) return false;

  std::set<std::string> assigned;  // upper case
  for (;;) {
    if (at_end() || !IsName(tokens[i])) return false;
    assigned.insert(UCase(tokens[i++].text));
    if (at_end() || !IsSymbol(tokens[i++], "=")) return false;
    if (!at_end() && IsSymbol(tokens[i], "-")) ++i;
    if (at_end() || !IsConstant(tokens[i++])) return false;
    if (at_end()) return false;  // an UPDATE of every row is not repeated
    if (IsSymbol(tokens[i], ",")) {
      ++i;
      continue;
    }
    break;
  }
  if (!IsKeyword(tokens[i++], "WHERE")) return false;
  for (; !at_end(); ++i) {
    const Token& token = tokens[i];
    if (token.kind == TokenKind::kVariable || IsSymbol(token, ";")) return false;
    if (token.kind == TokenKind::kWord &&
        (IsKeyword(token, "SELECT") || IsKeyword(token, "UPDATE") || IsKeyword(token, "DELETE") ||
         IsKeyword(token, "INSERT"))) {
      return false;
    }
    if (IsName(token) && assigned.count(UCase(token.text))) return false;
  }
  return true;
}

}  // namespace pellora::tsql
