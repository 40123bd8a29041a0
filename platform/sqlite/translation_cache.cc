#include "platform/sqlite/translation_cache.h"

#include "platform/tsql/repeatable_update.h"

namespace pellora::sqlite {

std::shared_ptr<const Translation> TranslationCache::Get(std::string_view tsql,
                                                         const SchemaCache& schema) {
  if (schema.generation() != generation_) {
    entries_.clear();
    generation_ = schema.generation();
  }
  if (const auto found = entries_.find(tsql); found != entries_.end()) return found->second;
  auto translation = std::make_shared<Translation>();
  translation->steps = TranslateBatch(tsql, schema);
  translation->repeatable_update = tsql::IsRepeatableUpdate(tsql);
  if (entries_.size() >= kCapacity) entries_.clear();
  // Reading the schema while translating does not change it.
  entries_.emplace(std::string(tsql), translation);
  return translation;
}

}  // namespace pellora::sqlite
