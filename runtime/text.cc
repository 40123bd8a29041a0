#include "runtime/text.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "runtime/case_tables.h"
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

// `c` as one of the case tables maps it.
char32_t Mapped(char32_t c, const CaseRange* ranges, size_t size) {
  const CaseRange* end = ranges + size;
  const CaseRange* range =
      std::upper_bound(ranges, end, c, [](char32_t c, const CaseRange& r) { return c < r.first; });
  if (range == ranges) return c;
  --range;
  if (c > range->last || (c - range->first) % range->stride != 0) return c;
  return static_cast<char32_t>(static_cast<int32_t>(c) + range->delta);
}

// The text with every code point mapped by `map`; ASCII stays on a byte-wide road.
template <typename Map>
std::string MapText(std::string_view text, Map map) {
  std::string result;
  result.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const unsigned char byte = text[at];
    if (byte < 0x80) {
      result += static_cast<char>(map(byte));
      ++at;
      continue;
    }
    const CodePoint c = DecodeAt(text, at);
    AppendCodePoint(map(c.value), result);
    at += c.length;
  }
  return result;
}

void CheckCount(long count) {
  if (count < 0) RaiseRuntimeError(kInvalidProcedureCall);
}

}  // namespace

CodePoint DecodeAt(std::string_view text, size_t at) {
  const unsigned char lead = text[at];
  const CodePoint stray{kStrayByte + lead, 1};
  if (lead < 0x80) return {lead, 1};
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (lead < 0xC2 || lead > 0xF4 || at + length > text.size()) return stray;
  char32_t value = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const unsigned char next = text[at + i];
    if (!IsContinuationByte(next)) return stray;
    value = value << 6 | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return stray;
  }
  return {value, length};
}

void AppendCodePoint(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c >= kStrayByte) {
    out += static_cast<char>(c - kStrayByte);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

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
  return MapText(text, [](char32_t c) -> char32_t {
    if (c < 0x80) return c - U'a' < 26 ? c - (U'a' - U'A') : c;
    return Mapped(c, kUpperRanges, kUpperRangesSize);
  });
}

std::string LCase(std::string_view text) {
  return MapText(text, [](char32_t c) {
    return c < 0x80 ? FoldCase(c) : Mapped(c, kLowerRanges, kLowerRangesSize);
  });
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

char32_t FoldCaseBeyondAscii(char32_t c) {
  return Mapped(c, kFoldRanges, kFoldRangesSize);
}

std::string FoldCase(std::string_view text) {
  return MapText(text, [](char32_t c) { return FoldCase(c); });
}

namespace {

constexpr uint64_t kEveryByte = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

// Eight bytes of ASCII with their capitals made small, all at once: a byte's high bit is set
// in `from_a` when it is 'A' or above and in `past_z` when it is above 'Z'.
uint64_t FoldAsciiWord(uint64_t word) {
  const uint64_t from_a = word + (0x80 - 'A') * kEveryByte;
  const uint64_t past_z = word + (0x80 - 'Z' - 1) * kEveryByte;
  return word | ((from_a & ~past_z & kHighBits) >> 2);
}

uint64_t Mix(uint64_t hash, uint64_t word) {
  hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
  return hash ^ (hash >> 29);
}

// The `count` (1 to 8) bytes of `text` from `at`, the first in the low byte; a short last word is
// padded with zeros, which fold to themselves. Loads overlap rather than go byte by byte.
uint64_t WordAt(std::string_view text, size_t at, size_t count) {
  uint64_t word = 0;
  if (count == 8) {
    std::memcpy(&word, text.data() + at, 8);
  } else if (text.size() >= 8) {
    std::memcpy(&word, text.data() + text.size() - 8, 8);
    word >>= 8 * (8 - count);
  } else if (count >= 4) {
    uint32_t low = 0;
    uint32_t high = 0;
    std::memcpy(&low, text.data() + at, 4);
    std::memcpy(&high, text.data() + at + count - 4, 4);
    word = low | ((static_cast<uint64_t>(high) >> (8 * (8 - count))) << 32);
  } else {
    for (size_t i = 0; i < count; ++i) {
      word |= static_cast<uint64_t>(static_cast<unsigned char>(text[at + i])) << (8 * i);
    }
  }
  return word;
}

size_t WordSize(std::string_view text, size_t at) {
  return std::min<size_t>(8, text.size() - at);
}

bool HasNonAscii(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; });
}

// CompareTextNoCase from byte `at` of both texts, a code point at a time.
int CompareFrom(std::string_view a, std::string_view b, size_t at) {
  size_t i = at;
  size_t j = at;
  while (i < a.size() && j < b.size()) {
    char32_t fa;
    char32_t fb;
    if (static_cast<unsigned char>(a[i] | b[j]) < 0x80) {
      fa = FoldCase(static_cast<char32_t>(a[i++]));
      fb = FoldCase(static_cast<char32_t>(b[j++]));
    } else {
      const CodePoint ca = DecodeAt(a, i);
      const CodePoint cb = DecodeAt(b, j);
      fa = FoldCase(ca.value);
      fb = FoldCase(cb.value);
      i += ca.length;
      j += cb.length;
    }
    if (fa != fb) return fa < fb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  return j < b.size() ? -1 : 0;
}

}  // namespace

// Every text column's index compares by this: eight bytes at a time while both texts are ASCII.
int CompareTextNoCase(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  size_t at = 0;
  for (; at + 8 <= common; at += 8) {
    const uint64_t wa = WordAt(a, at, 8);
    const uint64_t wb = WordAt(b, at, 8);
    if ((wa | wb) & kHighBits) break;
    const uint64_t fa = FoldAsciiWord(wa);
    const uint64_t fb = FoldAsciiWord(wb);
    if (fa != fb) {
      const int first_difference = std::countr_zero(fa ^ fb) & ~7;
      return (fa >> first_difference & 0xFF) < (fb >> first_difference & 0xFF) ? -1 : 1;
    }
  }
  return CompareFrom(a, b, at);
}

// Member and field names are looked up by the million during an import: eight bytes at a time,
// folded together while they are ASCII. From the first word that is not, the rest of the text is
// folded whole and hashed as bytes, which is what the ASCII words are once folded.
size_t HashTextNoCase(std::string_view text) {
  uint64_t hash = 0;
  for (size_t at = 0; at < text.size(); at += 8) {
    const uint64_t word = WordAt(text, at, WordSize(text, at));
    if (word & kHighBits) {
      const std::string rest = FoldCase(text.substr(at));
      for (size_t i = 0; i < rest.size(); i += 8)
        hash = Mix(hash, WordAt(rest, i, WordSize(rest, i)));
      return Mix(hash, at + rest.size());
    }
    hash = Mix(hash, FoldAsciiWord(word));
  }
  return Mix(hash, text.size());
}

bool EqualTextNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    // Folding keeps ASCII to one byte a letter: only other letters can change the length. Most
    // keywords a token is held against differ from its first letter.
    if (a.empty() || b.empty()) return false;
    if (((a[0] | b[0]) & 0x80) == 0 && FoldCase(a[0]) != FoldCase(b[0])) return false;
    return (HasNonAscii(a) || HasNonAscii(b)) && CompareTextNoCase(a, b) == 0;
  }
  for (size_t at = 0; at < a.size(); at += 8) {
    const uint64_t wa = WordAt(a, at, WordSize(a, at));
    const uint64_t wb = WordAt(b, at, WordSize(b, at));
    if ((wa | wb) & kHighBits) return CompareTextNoCase(a.substr(at), b.substr(at)) == 0;
    if (FoldAsciiWord(wa) != FoldAsciiWord(wb)) return false;
  }
  return true;
}

std::string QuoteEscape(std::string_view text) {
  return Replace(text, "'", "''");
}

}  // namespace pellora
