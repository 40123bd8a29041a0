#include "platform/postgres/postgres_translator.h"

#include "platform/postgres/postgres_emitter.h"
#include "platform/tsql/tsql_translator.h"

namespace pellora::postgres {

std::vector<tsql::Step> TranslateBatch(std::string_view tsql, const tsql::SchemaInfo& schema) {
  static const PostgresEmitter emitter;
  return tsql::Translate(tsql, schema, emitter);
}

}  // namespace pellora::postgres
