#ifndef PELLORA_PLATFORM_POSTGRES_PG_RESULT_H_
#define PELLORA_PLATFORM_POSTGRES_PG_RESULT_H_

#include <libpq-fe.h>

#include <memory>

namespace pellora::postgres {

struct ResultDeleter {
  void operator()(PGresult* result) const { PQclear(result); }
};

// A libpq result, cleared when it goes out of scope.
using PgResult = std::unique_ptr<PGresult, ResultDeleter>;

// True when `result` is a success: rows, or a command that returns none.
inline bool Succeeded(const PgResult& result) {
  if (!result) return false;
  const ExecStatusType status = PQresultStatus(result.get());
  return status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK;
}

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_RESULT_H_
