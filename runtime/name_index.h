#ifndef PELLORA_RUNTIME_NAME_INDEX_H_
#define PELLORA_RUNTIME_NAME_INDEX_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellora {

// Positions of names found without regard to case (accented letters too), as member and field
// names are: the name asked for is hashed once and compared only with names of the same hash.
class NameIndex {
 public:
  // False, changing nothing, when `name` is there already.
  bool Add(std::string_view name, size_t position);
  std::optional<size_t> Find(std::string_view name) const;

 private:
  struct Entry {
    size_t hash;
    std::string name;
    size_t position;
  };
  std::vector<Entry> entries_;  // by hash
};

}  // namespace pellora

#endif  // PELLORA_RUNTIME_NAME_INDEX_H_
