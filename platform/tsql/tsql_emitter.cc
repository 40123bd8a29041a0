#include "platform/tsql/tsql_emitter.h"

namespace pellora::tsql {

std::string Emitter::Text(ItemSpan items) const {
  return Render(items, [this](const Token& token) {
    return token.kind == TokenKind::kQuotedName ? Name(token.text) : TokenText(token);
  });
}

std::string Emitter::TextAfterBlank(ItemSpan items) const {
  return items.empty() ? ""
                       : " " + Text(WithLeadingSpace(Items(items.begin(), items.end()), false));
}

std::string Emitter::ArgumentList(const std::vector<std::string>& args) {
  std::string out;
  for (const std::string& arg : args) out += (out.empty() ? "" : ", ") + arg;
  return out;
}

}  // namespace pellora::tsql
