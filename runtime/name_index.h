#ifndef PELLORA_RUNTIME_NAME_INDEX_H_
#define PELLORA_RUNTIME_NAME_INDEX_H_

#include <cstddef>
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

  std::vector<Entry> slots_;  // a power of two in size, or empty
  size_t count_ = 0;
};

}  // namespace pellora

#endif  // PELLORA_RUNTIME_NAME_INDEX_H_
