#include "platform/postgres/pg_error.h"

#include "platform/tsql/tsql_error.h"

namespace pellora::postgres {
namespace {

std::string WithoutTrailingBlanks(std::string text) {
  text.erase(text.find_last_not_of(" \t\r\n") + 1);
  return text;
}

}  // namespace

std::string SqlState(const PGresult* result) {
  const char* state = result == nullptr ? nullptr : PQresultErrorField(result, PG_DIAG_SQLSTATE);
  return state == nullptr ? std::string() : state;
}

void RaiseStatementError(const PGresult* result, const PGconn* connection,
                         std::string_view statement) {
  const char* primary =
      result == nullptr ? nullptr : PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
  std::string message = primary != nullptr ? primary : PQerrorMessage(connection);
  message = WithoutTrailingBlanks(std::move(message));
  if (message.empty()) message = "A ligação ao servidor PostgreSQL foi perdida";
  throw PgError(SqlState(result), tsql::NamingStatement(message, statement));
}

void RaiseDatabaseError(std::string_view message, std::string_view statement) {
  tsql::RaiseStatementError(kErrorSource, message, statement);
}

void RaiseBusy(const std::string& company, std::chrono::milliseconds waited) {
  throw PgError(std::string(kLockNotAvailable),
                "A empresa " + company + " está ocupada noutro posto há mais de " +
                    std::to_string((waited.count() + 999) / 1000) +
                    " s. Tente de novo quando esse posto terminar.");
}

void RaiseConflict(std::string_view statement) {
  throw Error::Conflict(kErrorSource,
                        tsql::NamingStatement("Outro posto alterou ao mesmo tempo os dados que "
                                              "este trabalho alterava; repita-o",
                                              statement));
}

}  // namespace pellora::postgres
