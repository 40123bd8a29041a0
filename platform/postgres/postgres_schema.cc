#include "platform/postgres/postgres_schema.h"

#include "platform/postgres/postgres_emitter.h"
#include "platform/postgres/postgres_table_ddl.h"
#include "platform/postgres/postgres_types.h"
#include "platform/tsql/tsql_batch_splitter.h"
#include "platform/tsql/tsql_error.h"
#include "platform/tsql/tsql_lexer.h"

namespace pellora::postgres {

std::string PostgresSchema(std::string_view schema_text) {
  const PostgresEmitter emitter;
  std::string ddl = std::string(kCreateCaseBlindCollation) + ";\n";
  auto add = [&ddl](const std::string& statement) { ddl += statement + ";\n"; };
  tsql::ReadFor(emitter.Engine(), [&] {
    const tsql::Items items = tsql::BuildItems(tsql::Tokenize(schema_text));
    for (const tsql::BatchStatement& statement : tsql::SplitBatch(items)) {
      const tsql::Items& words = statement.items;
      if (words.size() > 1 && tsql::IsWord(words[0], "CREATE") && tsql::IsWord(words[1], "TABLE")) {
        for (const std::string& table : TableDdl(tsql::ReadCreateTable(words), emitter)) add(table);
      } else {
        add(emitter.Text(words));  // indexes, as written
      }
    }
  });
  return ddl;
}

}  // namespace pellora::postgres
