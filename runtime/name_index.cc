#include "runtime/name_index.h"

#include <algorithm>

#include "runtime/text.h"

namespace pellora {

bool NameIndex::Add(std::string_view name, size_t position) {
  if (Find(name)) return false;
  const size_t hash = HashTextNoCase(name);
  const auto at = std::lower_bound(entries_.begin(), entries_.end(), hash,
                                   [](const Entry& entry, size_t h) { return entry.hash < h; });
  entries_.insert(at, Entry{hash, std::string(name), position});
  return true;
}

std::optional<size_t> NameIndex::Find(std::string_view name) const {
  const size_t hash = HashTextNoCase(name);
  auto at = std::lower_bound(entries_.begin(), entries_.end(), hash,
                             [](const Entry& entry, size_t h) { return entry.hash < h; });
  for (; at != entries_.end() && at->hash == hash; ++at) {
    // Names are mostly asked for as they were given: the exact test is the cheap one.
    if (at->name == name ||
        (at->name.size() == name.size() && CompareTextNoCase(at->name, name) == 0)) {
      return at->position;
    }
  }
  return std::nullopt;
}

}  // namespace pellora
