#ifndef PELLORA_PLATFORM_SQLITE_TRANSLATION_CACHE_H_
#define PELLORA_PLATFORM_SQLITE_TRANSLATION_CACHE_H_

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sqlite/schema_cache.h"
#include "platform/sqlite/tsql_translator.h"

namespace pellora::sqlite {

// What a T-SQL batch becomes on SQLite, worked out once per text.
struct Translation {
  std::vector<Step> steps;
  bool repeatable_update = false;  // see IsRepeatableUpdate
};

// The translations of the texts sent lately, kept while the schema they were worked out from
// stands: an import sends the same few texts for thousands of readings.
class TranslationCache {
 public:
  std::shared_ptr<const Translation> Get(std::string_view tsql, const SchemaCache& schema);

 private:
  // Enough for every text an import repeats; texts that never repeat are let go when it fills.
  static constexpr size_t kCapacity = 256;
  uint64_t generation_ = 0;
  std::map<std::string, std::shared_ptr<const Translation>, std::less<>> entries_;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_TRANSLATION_CACHE_H_
