#ifndef PELLORA_PLATFORM_SESSION_TRANSLATION_CACHE_H_
#define PELLORA_PLATFORM_SESSION_TRANSLATION_CACHE_H_

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/session/literal_template.h"
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
// stands: an import sends the same few texts for thousands of readings. A text with string
// literals is kept as its template (LiftLiterals), so the same query of another article is not
// translated again.
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
    if (const std::optional<LiteralTemplate> lifted = LiftLiterals(tsql)) {
      const std::shared_ptr<const Translation> shared = Kept(lifted->text, translate);
      if (auto steps = PutBackLiterals(shared->steps, *lifted)) {
        return std::make_shared<Translation>(
            Translation{std::move(*steps), shared->repeatable_update, shared->only_reads});
      }
      return Kept(tsql, translate);  // as it stands, found first next time
    }
    return Kept(tsql, translate);
  }

 private:
  template <typename Translate>
  std::shared_ptr<const Translation> Kept(std::string_view tsql, Translate translate) {
    if (const auto found = entries_.find(tsql); found != entries_.end()) return found->second;
    std::shared_ptr<const Translation> translation = Made(tsql, translate);
    if (entries_.size() >= kCapacity) entries_.clear();
    entries_.emplace(std::string(tsql), translation);
    return translation;
  }

  template <typename Translate>
  static std::shared_ptr<const Translation> Made(std::string_view tsql, Translate translate) {
    auto translation = std::make_shared<Translation>();
    translation->steps = translate(tsql);
    translation->repeatable_update = tsql::IsRepeatableUpdate(tsql);
    translation->only_reads = tsql::OnlyReads(tsql);
    return translation;
  }

  // Enough for every text an import repeats; texts that never repeat are let go when it fills.
  static constexpr size_t kCapacity = 1024;
  uint64_t generation_ = 0;
  std::map<std::string, std::shared_ptr<const Translation>, std::less<>> entries_;
};

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_TRANSLATION_CACHE_H_
