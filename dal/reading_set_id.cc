#include "dal/reading_set_id.h"

#include <algorithm>

namespace pellora {
namespace {

constexpr size_t kStampLength = 14;

bool EndsWithStamp(std::string_view id) {
  if (id.size() <= kStampLength || id[id.size() - kStampLength - 1] != '|') return false;
  const std::string_view stamp = id.substr(id.size() - kStampLength);
  return std::all_of(stamp.begin(), stamp.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<ReadingSetId> SplitReadingSetId(std::string_view id) {
  if (EndsWithStamp(id)) {
    const size_t bar = id.size() - kStampLength - 1;
    return ReadingSetId{std::string(id.substr(0, bar)), std::string(id.substr(bar + 1))};
  }
  const size_t bar = id.find('|');
  if (bar == std::string_view::npos) return std::nullopt;
  const size_t end = id.find('|', bar + 1);
  return ReadingSetId{
      std::string(id.substr(0, bar)),
      std::string(id.substr(
          bar + 1, end == std::string_view::npos ? std::string_view::npos : end - bar - 1))};
}

}  // namespace pellora
