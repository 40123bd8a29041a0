#ifndef PELLORA_PLATFORM_SESSION_TRANSLATION_CACHE_H_
#define PELLORA_PLATFORM_SESSION_TRANSLATION_CACHE_H_

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/tsql/repeatable_update.h"
#include "platform/tsql/schema_change.h"
#include "platform/tsql/tsql_step.h"

namespace pellora::session {

// What a T-SQL batch becomes on an engine, worked out once per text.
struct Translation {
  std::vector<tsql::Step> steps;
  bool repeatable_update = false;  // see tsql::IsRepeatableUpdate
  bool only_reads = true;          // see tsql::OnlyReads
};

// The translations of the texts sent lately, kept while the schema they were worked out from
// stands: an import sends the same few texts for thousands of readings.
class TranslationCache {
 public:
  // The translation of `tsql` against the schema as it is in `schema_generation`, which
  // changes whenever the schema may have: `translate(tsql)` gives its steps when none is kept.
  template <typename Translate>
  std::shared_ptr<const Translation> Get(std::string_view tsql, uint64_t schema_generation,
                                         Translate translate) {
    if (schema_generation != generation_) {
      entries_.clear();
      generation_ = schema_generation;
    }
    if (const auto found = entries_.find(tsql); found != entries_.end()) return found->second;
    auto translation = std::make_shared<Translation>();
    translation->steps = translate(tsql);
    translation->repeatable_update = tsql::IsRepeatableUpdate(tsql);
    translation->only_reads = tsql::OnlyReads(tsql);
    if (entries_.size() >= kCapacity) entries_.clear();
    entries_.emplace(std::string(tsql), translation);
    return translation;
  }

 private:
  // Enough for every text an import repeats; texts that never repeat are let go when it fills.
  static constexpr size_t kCapacity = 256;
  uint64_t generation_ = 0;
  std::map<std::string, std::shared_ptr<const Translation>, std::less<>> entries_;
};

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_TRANSLATION_CACHE_H_
