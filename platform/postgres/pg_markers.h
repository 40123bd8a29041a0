#ifndef PELLORA_PLATFORM_POSTGRES_PG_MARKERS_H_
#define PELLORA_PLATFORM_POSTGRES_PG_MARKERS_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace pellora::postgres {

// `sql` with each "?" marker outside literals and quoted names written as a numbered
// parameter, from $`first` on; `count` receives how many there were.
std::string NumberMarkers(std::string_view sql, size_t first, size_t& count);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_MARKERS_H_
