#ifndef PELLORA_RUNTIME_NAME_INDEX_H_
#define PELLORA_RUNTIME_NAME_INDEX_H_

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellora {

// Positions of names found without regard to case (accented letters too), as member and field
// names are: an open-addressed table, so that a name asked for is hashed once and usually
// compared with one entry only.
class NameIndex {
 public:
  NameIndex() = default;
  // A copy finds what the original finds; it starts without hints.
  NameIndex(const NameIndex& other);
  NameIndex& operator=(const NameIndex& other);

  // False, changing nothing, when `name` is there already.
  bool Add(std::string_view name, size_t position);
  std::optional<size_t> Find(std::string_view name) const;

 private:
  struct Entry {
    size_t hash = 0;
    std::string name;
    size_t position = kEmpty;
  };
  static constexpr size_t kEmpty = static_cast<size_t>(-1);

  // The slot holding `name`, or the empty slot where it would go.
  size_t SlotOf(std::string_view name, size_t hash) const;
  // Doubles the table, keeping it at most half full.
  void Grow();

  // The slot a name was last found in, by the address of the text asked for: members and fields
  // are asked for by the same literal names again and again, and checking a hint costs one
  // comparison where finding costs a hash. A hint is a guess, always checked against its slot,
  // so a text that reuses another's address is merely looked up. Finding is const and may run on
  // several threads at once: a hint is one atomic word, the address above the slot number + 1.
  static constexpr size_t kHints = 64;
  static constexpr uint64_t kSlotBits = 16;
  void ClearHints();

  std::vector<Entry> slots_;  // a power of two in size, or empty
  size_t count_ = 0;
  mutable std::array<std::atomic<uint64_t>, kHints> hints_{};
};

}  // namespace pellora

#endif  // PELLORA_RUNTIME_NAME_INDEX_H_
