#include "platform/postgres/pg_failure.h"

#include <regex>

#include "platform/tsql/tsql_error.h"
#include "runtime/technical_detail.h"

namespace pellora::postgres {
namespace {

// The SQLSTATE of a server that never answered: the client could not make the connection.
constexpr std::string_view kNoAnswer = "08001";
constexpr std::string_view kInvalidPassword = "28P01";
constexpr std::string_view kInvalidAuthorization = "28000";
constexpr std::string_view kNoDatabase = "3D000";
constexpr std::string_view kTooManyConnections = "53300";
constexpr std::string_view kCannotConnectNow = "57P03";

std::string Trimmed(std::string text) {
  text.erase(text.find_last_not_of(" \t\r\n") + 1);
  return text;
}

std::string Server(const PGconn* connection) {
  return std::string(PQhost(connection)) + ":" + PQport(connection);
}

// The server's SQLSTATE in a connection's verbose message ("FATAL:  28P01: ..."); empty when
// the server never answered.
std::string SqlStateOfMessage(const std::string& message) {
  static const std::regex kState(R"((?:FATAL|ERROR|PANIC):  ([0-9A-Z]{5}):)");
  std::smatch match;
  return std::regex_search(message, match, kState) ? match[1].str() : std::string();
}

std::string ConnectSentence(std::string_view sqlstate, bool needs_password,
                            const std::string& server, const std::string& user,
                            const std::string& database) {
  if (needs_password) {
    return "O servidor " + server + " pede a palavra-passe do utilizador " + user +
           ": indique-a em PGPASSWORD ou em ~/.pgpass.";
  }
  if (sqlstate == kNoAnswer) {
    return "O servidor " + server +
           " não responde: verifique se está a funcionar e se a máquina e a porta do seu "
           "endereço estão certas, e tente de novo.";
  }
  if (sqlstate == kInvalidPassword || sqlstate == kInvalidAuthorization) {
    return "O servidor " + server + " recusou o utilizador " + user +
           " ou a sua palavra-passe: verifique-os (a palavra-passe vem de PGPASSWORD ou de "
           "~/.pgpass).";
  }
  if (sqlstate == kNoDatabase) {
    return "A base de dados " + database + " não existe no servidor " + server +
           ": verifique a empresa e o servidor indicados na sua configuração.";
  }
  if (sqlstate == kTooManyConnections) {
    return "O servidor " + server +
           " tem todas as ligações ocupadas: tente de novo dentro de momentos.";
  }
  if (sqlstate == kCannotConnectNow) {
    return "O servidor " + server +
           " está a arrancar ou a parar: tente de novo dentro de momentos.";
  }
  return "O servidor " + server + " recusou a ligação à base de dados " + database + " (código " +
         std::string(sqlstate) + ").";
}

// The server's words about `statement`, for the technical detail.
std::string StatementDetail(const PGconn* connection, const PGresult* result,
                            std::string_view statement) {
  const char* primary =
      result == nullptr ? nullptr : PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
  return tsql::NamingStatement(Trimmed(primary != nullptr ? primary : PQerrorMessage(connection)),
                               statement);
}

}  // namespace

bool ServerUnavailable(std::string_view sqlstate) {
  return sqlstate.starts_with("08") || sqlstate == kTooManyConnections ||
         sqlstate.starts_with("57P");
}

void RaiseConnectFailure(const PGconn* connection, const std::string& database) {
  if (connection == nullptr) {
    throw PgConnectError(std::string(kNoAnswer), "Não há memória.", kServerLinkFailed);
  }
  const std::string message = Trimmed(PQerrorMessage(connection));
  std::string sqlstate = SqlStateOfMessage(message);
  const bool needs_password = PQconnectionNeedsPassword(connection);
  if (sqlstate.empty()) sqlstate = needs_password ? kInvalidPassword : kNoAnswer;
  ReportTechnicalDetail(message);
  throw PgConnectError(
      sqlstate,
      ConnectSentence(sqlstate, needs_password, Server(connection), PQuser(connection), database),
      kServerLinkFailed);
}

bool ConnectionLost(const PGconn* connection) {
  return PQstatus(connection) == CONNECTION_BAD;
}

void RaiseConnectionLost(const PGconn* connection, const PGresult* result,
                         std::string_view statement) {
  ReportTechnicalDetail(StatementDetail(connection, result, statement));
  const std::string server = Server(connection);
  if (statement == "COMMIT") {
    throw PgError(std::string(kNoAnswer),
                  "A ligação ao servidor " + server +
                      " perdeu-se ao confirmar o trabalho: não se sabe se ficou gravado. "
                      "Verifique-o antes de o repetir.",
                  kServerLinkFailed);
  }
  throw PgError(std::string(kNoAnswer),
                "A ligação ao servidor " + server +
                    " perdeu-se a meio do trabalho: nada do que ficou por confirmar foi "
                    "gravado. Repita-o quando o servidor voltar a responder.",
                kServerLinkFailed);
}

void RaisePermissionDenied(const PGconn* connection, const PGresult* result,
                           std::string_view statement) {
  ReportTechnicalDetail(StatementDetail(connection, result, statement));
  throw PgError(std::string(kInsufficientPrivilege),
                "O utilizador " + std::string(PQuser(connection)) + " não tem, na base de dados " +
                    PQdb(connection) + " do servidor " + Server(connection) +
                    ", as permissões de que este trabalho precisa: peça-as ao administrador do "
                    "servidor.",
                kPermissionDenied);
}

}  // namespace pellora::postgres
