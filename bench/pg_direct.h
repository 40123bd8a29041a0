// The direct connection on a company database of a PostgreSQL server, through libpq: statements
// prepared on the server, values sent as text, rows fetched whole, writes sent in batches.

#ifndef PELLORA_BENCH_PG_DIRECT_H_
#define PELLORA_BENCH_PG_DIRECT_H_

#include <libpq-fe.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/direct_connection.h"
#include "bench/pg_write_queue.h"
#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_connection.h"
#include "platform/postgres/pg_connection_parameters.h"

namespace pellora::bench {

// ?1, ?2... as PostgreSQL's $1, $2...; the statements written for both engines hold no "?"
// of their own.
inline std::string DollarMarkers(std::string sql) {
  for (size_t i = 0; i + 1 < sql.size(); ++i) {
    if (sql[i] == '?' && std::isdigit(static_cast<unsigned char>(sql[i + 1]))) sql[i] = '$';
  }
  return sql;
}

inline bool Succeeded(const PGresult* result) {
  const ExecStatusType status = PQresultStatus(result);
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

class PgStatement : public DirectStatement {
 public:
  // Statements live as long as their connection: names are not used again.
  PgStatement(PGconn* connection, PgWriteQueue& writes, std::string name, const std::string& sql)
      : connection_(connection), writes_(writes), name_(std::move(name)) {
    PGresult* prepared =
        PQprepare(connection, name_.c_str(), DollarMarkers(sql).c_str(), 0, nullptr);
    const bool ok = Succeeded(prepared);
    PQclear(prepared);
    if (!ok) throw std::runtime_error(PQerrorMessage(connection) + (" in: " + sql.substr(0, 200)));
  }
  ~PgStatement() override { PQclear(result_); }
  PgStatement(const PgStatement&) = delete;
  PgStatement& operator=(const PgStatement&) = delete;

  DirectStatement& Bind(int index, const std::string& text) override {
    Value(index) = text;
    return *this;
  }
  DirectStatement& Bind(int index, double value) override {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return Bind(index, std::string(text));
  }
  DirectStatement& Bind(int index, long long value) override {
    return Bind(index, std::to_string(value));
  }
  DirectStatement& BindNull(int index) override {
    Value(index).reset();
    return *this;
  }
  bool Step() override {
    if (result_ == nullptr) Execute();
    return ++row_ < PQntuples(result_);
  }
  void Run() override { writes_.Send(name_, Pointers()); }
  std::string Text(int column) const override {
    return PQgetisnull(result_, row_, column) ? "" : PQgetvalue(result_, row_, column);
  }
  double Double(int column) const override {
    return std::strtod(PQgetvalue(result_, row_, column), nullptr);
  }
  long long Integer(int column) const override {
    return std::strtoll(PQgetvalue(result_, row_, column), nullptr, 10);
  }

 private:
  // The value of marker `index`; a statement whose rows were read runs again with it.
  std::optional<std::string>& Value(int index) {
    PQclear(result_);
    result_ = nullptr;
    if (values_.size() < static_cast<size_t>(index)) values_.resize(index);
    return values_[index - 1];
  }

  std::vector<const char*> Pointers() const {
    std::vector<const char*> pointers;
    for (const auto& value : values_) pointers.push_back(value ? value->c_str() : nullptr);
    return pointers;
  }

  // Runs the statement and waits for its rows, after the answers of the writes sent before.
  void Execute() {
    writes_.Finish();
    PQclear(result_);
    const std::vector<const char*> pointers = Pointers();
    result_ = PQexecPrepared(connection_, name_.c_str(), static_cast<int>(pointers.size()),
                             pointers.data(), nullptr, nullptr, 0);
    row_ = -1;
    if (!Succeeded(result_)) throw std::runtime_error(PQerrorMessage(connection_));
  }

  PGconn* connection_;
  PgWriteQueue& writes_;
  std::string name_;
  std::vector<std::optional<std::string>> values_;
  PGresult* result_ = nullptr;
  int row_ = -1;
};

// A company database opened with the same session settings as the add-in's connection.
class PgDirect : public DirectConnection {
 public:
  PgDirect(const std::string& server, const std::string& database) {
    const std::optional<postgres::PgAddress> address = postgres::ParsePgAddress(server);
    if (!address) throw std::runtime_error("not a PostgreSQL server: " + server);
    const postgres::ConnectionParameters parameters(*address, database,
                                                    postgres::kDefaultLockTimeout);
    connection_ = PQconnectdbParams(parameters.keywords(), parameters.values(), 0);
    if (PQstatus(connection_) != CONNECTION_OK) {
      const std::string reason = PQerrorMessage(connection_);
      PQfinish(connection_);
      throw std::runtime_error("cannot open " + database + ": " + reason);
    }
    writes_ = std::make_unique<PgWriteQueue>(connection_);
  }
  ~PgDirect() override { PQfinish(connection_); }
  PgDirect(const PgDirect&) = delete;
  PgDirect& operator=(const PgDirect&) = delete;

  void Exec(const std::string& sql) override {
    writes_->Finish();
    PGresult* result = PQexec(connection_, sql.c_str());
    const bool ok = Succeeded(result);
    PQclear(result);
    if (!ok) throw std::runtime_error(PQerrorMessage(connection_) + (" in: " + sql.substr(0, 200)));
  }
  std::unique_ptr<DirectStatement> Prepare(const std::string& sql) override {
    writes_->Finish();
    return std::make_unique<PgStatement>(connection_, *writes_,
                                         "direct_" + std::to_string(++statements_), sql);
  }
  // Read committed, the add-in's own level; rows are locked as they are written.
  void BeginWrite() override { Exec("BEGIN"); }

  std::string Year() const override { return "CAST(EXTRACT(YEAR FROM now()) AS INTEGER)"; }
  std::string Now() const override { return "LOCALTIMESTAMP"; }
  std::string TimeNow() const override { return "to_char(LOCALTIMESTAMP, 'HH24:MI:SS')"; }
  std::string DateDigits(const std::string& column) const override {
    return "to_char(" + column + ", 'YYYYMMDD')";
  }

 private:
  PGconn* connection_ = nullptr;
  std::unique_ptr<PgWriteQueue> writes_;
  int statements_ = 0;
};

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_PG_DIRECT_H_
