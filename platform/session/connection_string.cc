#include "platform/session/connection_string.h"

#include "runtime/text.h"

namespace pellora::session {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Reads one value from the start of `text` up to its ';' and consumes both. A value may be
// enclosed in single or double quotes, inside which ';' is plain text and a doubled quote
// stands for one.
std::string TakeValue(std::string_view& text) {
  text = text.substr(std::min(text.size(), text.find_first_not_of(kBlanks)));
  std::string value;
  const bool quoted = !text.empty() && (text.front() == '"' || text.front() == '\'');
  if (quoted) {
    const char quote = text.front();
    size_t i = 1;
    for (; i < text.size(); ++i) {
      if (text[i] != quote) {
        value += text[i];
      } else if (i + 1 < text.size() && text[i + 1] == quote) {
        value += quote;
        ++i;
      } else {
        break;
      }
    }
    text = text.substr(std::min(text.size(), i + 1));
  }
  const auto end = text.find(';');
  if (!quoted) value = TrimBlanks(text.substr(0, end));
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  return value;
}

}  // namespace

ConnectionString::ConnectionString(std::string_view text) {
  while (!text.empty()) {
    const auto equals = text.find('=');
    const auto end = text.find(';');
    if (equals == std::string_view::npos || (end != std::string_view::npos && end < equals)) {
      // A fragment without "=" (such as the blank after the last ';') carries nothing.
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      continue;
    }
    const std::string key = UCase(TrimBlanks(text.substr(0, equals)));
    text = text.substr(equals + 1);
    std::string value = TakeValue(text);
    if (!key.empty()) values_.try_emplace(key, std::move(value));
  }
}

std::string ConnectionString::Value(std::string_view key) const {
  const auto found = values_.find(UCase(key));
  return found == values_.end() ? std::string() : found->second;
}

}  // namespace pellora::session
