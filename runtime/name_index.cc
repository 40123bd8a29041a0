#include "runtime/name_index.h"

#include <algorithm>
#include <utility>

#include "runtime/text.h"

namespace pellora {

namespace {

// User-space addresses fit in 48 bits, leaving the low 16 of a hint for the slot.
constexpr uint64_t kAddressMask = (uint64_t{1} << 48) - 1;

// Names are mostly asked for as they were given: the exact test is the cheap one.
bool SameName(const std::string& entry, std::string_view name) {
  return entry == name || EqualTextNoCase(entry, name);
}

}  // namespace

NameIndex::NameIndex(const NameIndex& other) : slots_(other.slots_), count_(other.count_) {}

NameIndex& NameIndex::operator=(const NameIndex& other) {
  slots_ = other.slots_;
  count_ = other.count_;
  ClearHints();
  return *this;
}

void NameIndex::ClearHints() {
  for (std::atomic<uint64_t>& hint : hints_) hint.store(0, std::memory_order_relaxed);
}

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
  const uint64_t address = reinterpret_cast<uintptr_t>(name.data()) & kAddressMask;
  std::atomic<uint64_t>& hint = hints_[((address >> 3) ^ (address >> 11)) % kHints];
  const uint64_t seen = hint.load(std::memory_order_relaxed);
  if (seen != 0 && seen >> kSlotBits == address) {
    const Entry& slot = slots_[(seen & ((1u << kSlotBits) - 1)) - 1];
    if (slot.position != kEmpty && SameName(slot.name, name)) return slot.position;
  }
  const size_t at = SlotOf(name, HashTextNoCase(name));
  const Entry& slot = slots_[at];
  if (slot.position == kEmpty) return std::nullopt;
  if (at + 1 < (size_t{1} << kSlotBits)) {
    hint.store(address << kSlotBits | (at + 1), std::memory_order_relaxed);
  }
  return slot.position;
}

size_t NameIndex::SlotOf(std::string_view name, size_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    const Entry& slot = slots_[at];
    if (slot.position == kEmpty) return at;
    if (slot.hash == hash && SameName(slot.name, name)) return at;
  }
}

void NameIndex::Grow() {
  ClearHints();  // slots move
  std::vector<Entry> old =
      std::exchange(slots_, std::vector<Entry>(std::max<size_t>(16, 2 * slots_.size())));
  for (Entry& entry : old) {
    if (entry.position != kEmpty) slots_[SlotOf(entry.name, entry.hash)] = std::move(entry);
  }
}

}  // namespace pellora
