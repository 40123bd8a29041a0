#include "platform/sqlite/text_comparison.h"

#include <string>
#include <string_view>

#include "runtime/text.h"

namespace pellora::sqlite {
namespace {

int CompareTexts(void*, int a_size, const void* a, int b_size, const void* b) {
  return CompareTextNoCase(std::string_view(static_cast<const char*>(a), a_size),
                           std::string_view(static_cast<const char*>(b), b_size));
}

// The bytes of the UTF-8 character at `at`.
size_t CharSize(std::string_view text, size_t at) {
  size_t size = 1;
  while (at + size < text.size() && (text[at + size] & 0xC0) == 0x80) ++size;
  return size;
}

// Whether `text` matches `pattern`, both folded: % stands for any run of characters, _ for one,
// and `escape` (empty for none) makes the character after it stand for itself. After a %, a
// failed attempt starts again one character further.
bool LikeMatches(std::string_view text, std::string_view pattern, std::string_view escape) {
  size_t t = 0;
  size_t p = 0;
  size_t retry_p = std::string_view::npos;
  size_t retry_t = 0;
  while (t < text.size() || p < pattern.size()) {
    if (p < pattern.size()) {
      const bool escaped = !escape.empty() && pattern.substr(p).starts_with(escape) &&
                           p + escape.size() < pattern.size();
      const size_t at = escaped ? p + escape.size() : p;
      const size_t size = CharSize(pattern, at);
      if (!escaped && pattern[at] == '%') {
        p = retry_p = at + 1;
        retry_t = t;
        continue;
      }
      if (t < text.size()) {
        const size_t text_size = CharSize(text, t);
        if ((!escaped && pattern[at] == '_') ||
            text.substr(t, text_size) == pattern.substr(at, size)) {
          t += text_size;
          p = at + size;
          continue;
        }
      }
    }
    if (retry_p == std::string_view::npos || retry_t >= text.size()) return false;
    retry_t += CharSize(text, retry_t);
    t = retry_t;
    p = retry_p;
  }
  return true;
}

// like(pattern, text[, escape]), which SQLite calls for text LIKE pattern [ESCAPE escape].
void Like(sqlite3_context* context, int count, sqlite3_value** values) {
  for (int i = 0; i < count; ++i) {
    if (sqlite3_value_type(values[i]) == SQLITE_NULL) return sqlite3_result_null(context);
  }
  auto text_of = [&](int i) {
    const unsigned char* text = sqlite3_value_text(values[i]);
    return FoldCase(std::string_view(reinterpret_cast<const char*>(text),
                                     static_cast<size_t>(sqlite3_value_bytes(values[i]))));
  };
  const std::string escape = count == 3 ? text_of(2) : std::string();
  if (count == 3 && (escape.empty() || CharSize(escape, 0) != escape.size())) {
    return sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
  }
  sqlite3_result_int(context, LikeMatches(text_of(1), text_of(0), escape));
}

}  // namespace

void RegisterTextComparison(sqlite3* db) {
  sqlite3_create_collation_v2(db, kTextCollation, SQLITE_UTF8, nullptr, CompareTexts, nullptr);
  for (int arguments : {2, 3}) {
    sqlite3_create_function_v2(db, "like", arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               Like, nullptr, nullptr, nullptr);
  }
}

}  // namespace pellora::sqlite
