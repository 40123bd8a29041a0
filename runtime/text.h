#ifndef PELLORA_RUNTIME_TEXT_H_
#define PELLORA_RUNTIME_TEXT_H_

#include <string>
#include <string_view>

namespace pellora {

// VB's string functions over UTF-8 text, counting code points (names carry accents).
size_t Len(std::string_view text);
std::string Left(std::string_view text, long count);                  // count < 0 raises 5
std::string Right(std::string_view text, long count);                 // count < 0 raises 5
std::string Mid(std::string_view text, long start, long count = -1);  // 1-based; start < 1 raises 5
std::string UCase(std::string_view text);                             // accented Latin letters too
std::string LCase(std::string_view text);
std::string Trim(std::string_view text);  // spaces only, as VB
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);
long InStr(std::string_view text, std::string_view find, long start = 1);  // 0 when absent
std::string Replace(std::string_view text, std::string_view find, std::string_view with);
// Case-insensitive comparison as SQL Server's collation and ADO's client cursor do.
int CompareTextNoCase(std::string_view a, std::string_view b);
// CompareTextNoCase(a, b) == 0, eight bytes at a time.
bool EqualTextNoCase(std::string_view a, std::string_view b);
// A hash that texts equal under CompareTextNoCase share.
size_t HashTextNoCase(std::string_view text);

// Doubles every single quote, for a value embedded between quotes in SQL or a filter.
std::string QuoteEscape(std::string_view text);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_TEXT_H_
