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
// Every letter with a case, as VB maps them: Unicode's simple upper- and lower-case mappings.
std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
std::string Trim(std::string_view text);  // spaces only, as VB
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);
long InStr(std::string_view text, std::string_view find, long start = 1);  // 0 when absent
std::string Replace(std::string_view text, std::string_view find, std::string_view with);
// The one rule by which texts compare without case: both engines' collation, Recordset filters
// and finds, the names of fields, members, keywords and variables. A company's SQL Server
// collation is case-insensitive and accent-sensitive, so each code point is folded by Unicode's
// simple case folding: "ÁGUA" equals "água" and "ÇÃO" equals "ção", but "agua" is not "água".
// A byte that does not belong to UTF-8 text stands for itself.
char32_t FoldCaseBeyondAscii(char32_t c);
inline char32_t FoldCase(char32_t c) {
  if (c >= 0x80) return FoldCaseBeyondAscii(c);
  return c - U'A' < 26 ? c + (U'a' - U'A') : c;
}
// FoldCase of one byte of UTF-8 text: an ASCII letter folded, every other byte as it is.
inline char FoldCase(char c) {
  return c & 0x80 ? c : static_cast<char>(FoldCase(static_cast<char32_t>(c)));
}
// The text with every code point folded: the key that texts equal without case share.
std::string FoldCase(std::string_view text);
// Orders texts by their folded code points.
int CompareTextNoCase(std::string_view a, std::string_view b);
// CompareTextNoCase(a, b) == 0, eight bytes at a time while the texts are ASCII.
bool EqualTextNoCase(std::string_view a, std::string_view b);
// A hash that texts equal under CompareTextNoCase share.
size_t HashTextNoCase(std::string_view text);

// A code point of UTF-8 text and the bytes it takes. A byte that does not start valid UTF-8
// (a stray continuation, an overlong form, a surrogate) is a code point of its own beyond
// Unicode, so that no two different texts fold to the same.
struct CodePoint {
  char32_t value;
  size_t length;
};
inline constexpr char32_t kStrayByte = 0x110000;
// The code point that starts at byte `at` of `text`.
CodePoint DecodeAt(std::string_view text, size_t at);
// Appends `c` in UTF-8; a stray byte as the byte it stands for.
void AppendCodePoint(char32_t c, std::string& out);

// Doubles every single quote, for a value embedded between quotes in SQL or a filter.
std::string QuoteEscape(std::string_view text);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_TEXT_H_
