#ifndef PELLORA_PLATFORM_POSTGRES_PG_PIPELINE_H_
#define PELLORA_PLATFORM_POSTGRES_PG_PIPELINE_H_

#include <libpq-fe.h>

#include <string>
#include <vector>

#include "platform/postgres/pg_result.h"

namespace pellora::postgres {

// Commands sent together and answered in one exchange with the server: a statement, the
// savepoint that guards it and its preparation cost one round trip instead of four. After a
// command fails, the server skips the rest (their results say PGRES_PIPELINE_ABORTED).
class PgPipeline {
 public:
  explicit PgPipeline(PGconn* connection) : connection_(connection) {}
  PgPipeline(const PgPipeline&) = delete;
  PgPipeline& operator=(const PgPipeline&) = delete;

  // Each returns the command's position among the results. `values` are parameters in text
  // form, null for NULL.
  size_t Execute(const std::string& sql, const std::vector<const char*>& values = {});
  size_t Prepare(const std::string& name, const std::string& sql);
  size_t ExecutePrepared(const std::string& name, const std::vector<const char*>& values);

  // Sends the commands and returns each one's result in order; a command the connection could
  // not send or answer has a null result (the connection's message says why).
  std::vector<PgResult> Run();

 private:
  enum class Kind { kExecute, kPrepare, kExecutePrepared };
  struct Command {
    Kind kind;
    std::string text;  // the SQL, or the name of the prepared statement
    std::string sql;   // the SQL a prepared statement is made of
    std::vector<const char*> values;
  };

  bool Send(const Command& command);

  PGconn* connection_;
  std::vector<Command> commands_;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_PIPELINE_H_
