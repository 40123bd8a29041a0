#include "platform/sqlite/tsql_translator.h"

#include "platform/sqlite/sqlite_emitter.h"
#include "platform/tsql/tsql_translator.h"

namespace pellora::sqlite {

std::vector<Step> TranslateBatch(std::string_view tsql, const SchemaInfo& schema) {
  static const SqliteEmitter emitter;
  return tsql::Translate(tsql, schema, emitter);
}

}  // namespace pellora::sqlite
