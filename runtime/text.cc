#include "runtime/text.h"

#include <algorithm>

#include "runtime/error.h"

namespace pellora {

namespace {

bool IsContinuationByte(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// The byte offset of code point `count` (0-based), or the text's size when it has fewer.
size_t ByteOffset(std::string_view text, size_t count) {
  size_t pos = 0;
  for (; pos < text.size(); ++pos) {
    if (!IsContinuationByte(text[pos]) && count-- == 0) break;
  }
  return pos;
}

// Latin-1 letters from U+00C0 to U+00FE are two UTF-8 bytes led by 0xC3; the second byte of a
// capital differs from its small letter's by 0x20 (× and ÷ have no case).
constexpr unsigned char kLatin1Lead = 0xC3;
bool IsLatin1Capital(unsigned char second) {
  return second >= 0x80 && second <= 0x9E && second != 0x97;
}
bool IsLatin1Small(unsigned char second) {
  return second >= 0xA0 && second <= 0xBE && second != 0xB7;
}
bool IsAsciiCapital(unsigned char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsAsciiSmall(unsigned char c) {
  return c >= 'a' && c <= 'z';
}

std::string ChangeCase(std::string_view text, bool (*ascii_from)(unsigned char),
                       bool (*latin1_from)(unsigned char)) {
  std::string result(text);
  for (size_t i = 0; i < result.size(); ++i) {
    const unsigned char c = result[i];
    if (ascii_from(c)) {
      result[i] = static_cast<char>(c ^ 0x20);
    } else if (c == kLatin1Lead && i + 1 < result.size()) {
      const unsigned char second = result[++i];
      if (latin1_from(second)) result[i] = static_cast<char>(second ^ 0x20);
    }
  }
  return result;
}

// Folds one byte to small letters; `after_latin1_lead` says the byte follows a 0xC3 lead.
unsigned char FoldByte(unsigned char c, bool after_latin1_lead) {
  const bool capital = after_latin1_lead ? IsLatin1Capital(c) : IsAsciiCapital(c);
  return capital ? c | 0x20 : c;
}

void CheckCount(long count) {
  if (count < 0) RaiseRuntimeError(kInvalidProcedureCall);
}

}  // namespace

size_t Len(std::string_view text) {
  return std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); });
}

std::string Left(std::string_view text, long count) {
  CheckCount(count);
  return std::string(text.substr(0, ByteOffset(text, count)));
}

std::string Right(std::string_view text, long count) {
  CheckCount(count);
  const size_t length = Len(text);
  if (static_cast<size_t>(count) >= length) return std::string(text);
  return std::string(text.substr(ByteOffset(text, length - count)));
}

std::string Mid(std::string_view text, long start, long count) {
  if (start < 1 || count < -1) RaiseRuntimeError(kInvalidProcedureCall);
  const std::string_view rest = text.substr(ByteOffset(text, start - 1));
  if (count == -1) return std::string(rest);
  return std::string(rest.substr(0, ByteOffset(rest, count)));
}

std::string UCase(std::string_view text) {
  return ChangeCase(text, IsAsciiSmall, IsLatin1Small);
}

std::string LCase(std::string_view text) {
  return ChangeCase(text, IsAsciiCapital, IsLatin1Capital);
}

std::string LTrim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string();
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

long InStr(std::string_view text, std::string_view find, long start) {
  if (start < 1) RaiseRuntimeError(kInvalidProcedureCall);
  if (text.empty() || static_cast<size_t>(start) > Len(text) + 1) return 0;
  if (find.empty()) return start;
  const size_t found = text.find(find, ByteOffset(text, start - 1));
  if (found == std::string_view::npos) return 0;
  return static_cast<long>(Len(text.substr(0, found))) + 1;
}

std::string Replace(std::string_view text, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  size_t from = 0;
  for (size_t found; (found = text.find(find, from)) != std::string_view::npos;
       from = found + find.size()) {
    result.append(text.substr(from, found - from)).append(with);
  }
  result.append(text.substr(from));
  return result;
}

int CompareTextNoCase(std::string_view a, std::string_view b) {
  // Folding keeps every byte's length, so both texts are walked together; until they differ,
  // a 0xC3 lead is at the same place in both.
  const size_t common = std::min(a.size(), b.size());
  bool after_latin1_lead = false;
  for (size_t i = 0; i < common; ++i) {
    const unsigned char fa = FoldByte(a[i], after_latin1_lead);
    const unsigned char fb = FoldByte(b[i], after_latin1_lead);
    if (fa != fb) return fa < fb ? -1 : 1;
    after_latin1_lead = static_cast<unsigned char>(a[i]) == kLatin1Lead;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

size_t HashTextNoCase(std::string_view text) {
  size_t hash = 14695981039346656037ull;  // FNV-1a over the folded bytes
  bool after_latin1_lead = false;
  for (char c : text) {
    hash = (hash ^ FoldByte(c, after_latin1_lead)) * 1099511628211ull;
    after_latin1_lead = static_cast<unsigned char>(c) == kLatin1Lead;
  }
  return hash;
}

std::string QuoteEscape(std::string_view text) {
  return Replace(text, "'", "''");
}

}  // namespace pellora
