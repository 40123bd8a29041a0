#include "runtime/name_index.h"

#include <algorithm>
#include <utility>

#include "runtime/text.h"

namespace pellora {

bool NameIndex::Add(std::string_view name, size_t position) {
  if (2 * (count_ + 1) > slots_.size()) Grow();
  const size_t hash = HashTextNoCase(name);
  Entry& slot = slots_[SlotOf(name, hash)];
  if (slot.position != kEmpty) return false;
  slot = Entry{hash, std::string(name), position};
  ++count_;
  return true;
}

std::optional<size_t> NameIndex::Find(std::string_view name) const {
  if (slots_.empty()) return std::nullopt;
  const Entry& slot = slots_[SlotOf(name, HashTextNoCase(name))];
  if (slot.position == kEmpty) return std::nullopt;
  return slot.position;
}

size_t NameIndex::SlotOf(std::string_view name, size_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    const Entry& slot = slots_[at];
    if (slot.position == kEmpty) return at;
    // Names are mostly asked for as they were given: the exact test is the cheap one.
    if (slot.hash == hash && (slot.name == name || (slot.name.size() == name.size() &&
                                                    CompareTextNoCase(slot.name, name) == 0))) {
      return at;
    }
  }
}

void NameIndex::Grow() {
  std::vector<Entry> old =
      std::exchange(slots_, std::vector<Entry>(std::max<size_t>(16, 2 * slots_.size())));
  for (Entry& entry : old) {
    if (entry.position != kEmpty) slots_[SlotOf(entry.name, entry.hash)] = std::move(entry);
  }
}

}  // namespace pellora
