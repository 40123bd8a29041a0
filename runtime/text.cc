#include "runtime/text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

// The `count` bytes of `text` from `at`, folded as CompareTextNoCase folds them, in one word;
// `after_latin1_lead` carries a 0xC3 lead from one word to the next.
uint64_t FoldedWordAt(std::string_view text, size_t at, size_t count, bool& after_latin1_lead) {
  const uint64_t word = WordAt(text, at, count);
  if ((word & kHighBits) == 0 && !after_latin1_lead) return FoldAsciiWord(word);
  uint64_t folded = 0;
  for (size_t i = 0; i < count; ++i) {
    const unsigned char c = text[at + i];
    folded |= static_cast<uint64_t>(FoldByte(c, after_latin1_lead)) << (8 * i);
    after_latin1_lead = c == kLatin1Lead;
  }
  return folded;
}

}  // namespace

// Member and field names are looked up by the million during an import: eight bytes at a time,
// folded together while they are ASCII, byte by byte otherwise. Texts equal under
// CompareTextNoCase have their non-ASCII bytes at the same places, so both take the same road.
size_t HashTextNoCase(std::string_view text) {
  uint64_t hash = text.size();
  bool after_latin1_lead = false;
  for (size_t at = 0; at < text.size(); at += 8) {
    const size_t count = std::min<size_t>(8, text.size() - at);
    hash = Mix(hash, FoldedWordAt(text, at, count, after_latin1_lead));
  }
  return hash;
}

bool EqualTextNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  bool a_after_lead = false;
  bool b_after_lead = false;
  for (size_t at = 0; at < a.size(); at += 8) {
    const size_t count = std::min<size_t>(8, a.size() - at);
    if (FoldedWordAt(a, at, count, a_after_lead) != FoldedWordAt(b, at, count, b_after_lead)) {
      return false;
    }
  }
  return true;
}

std::string QuoteEscape(std::string_view text) {
  return Replace(text, "'", "''");
}

}  // namespace pellora
