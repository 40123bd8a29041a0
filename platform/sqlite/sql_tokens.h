#ifndef PELLORA_PLATFORM_SQLITE_SQL_TOKENS_H_
#define PELLORA_PLATFORM_SQLITE_SQL_TOKENS_H_

#include <string>
#include <string_view>

namespace pellora::sqlite {

// The next token of the SQLite text `text` at or after `*position`, which moves past it: a
// quoted literal or name ('...', "...", [...], `...`) whole, a run of word characters, or one
// other character. Blanks and comments are skipped. Empty at the end of the text.
std::string_view NextToken(std::string_view text, size_t* position);

// A name token without its quotes.
std::string Unquoted(std::string_view token);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SQL_TOKENS_H_
