#include "platform/sqlite/database.h"

#include <utility>

#include "platform/sqlite/text_comparison.h"
#include "platform/tsql/crash_point.h"
#include "platform/tsql/tsql_error.h"
#include "runtime/error.h"
#include "runtime/lock_wait.h"

namespace pellora::sqlite {
namespace {

// Short pauses, so that a watcher's answer is heard at once.
constexpr int kLockPauseMs = 20;

}  // namespace

void RaiseDatabaseError(std::string_view message, std::string_view statement) {
  tsql::RaiseStatementError(kErrorSource, message, statement);
}

std::string QuoteIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    quoted += c;
    if (c == '"') quoted += c;
  }
  return quoted + "\"";
}

std::unique_ptr<Database> Database::OpenExisting(const std::filesystem::path& file,
                                                 const std::string& company,
                                                 std::chrono::milliseconds busy_timeout) {
  std::error_code error;
  if (file.empty() || !std::filesystem::is_regular_file(file, error)) return nullptr;
  sqlite3* db = nullptr;
  // A connection is used by one thread at a time: SQLite need not lock it on every call.
  const int rc =
      sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  // Closes `db` on every path.
  std::unique_ptr<Database> database(new Database(db, company, busy_timeout));
  if (rc != SQLITE_OK) return nullptr;
  sqlite3_extended_result_codes(db, 1);
  RegisterTextComparison(db);
  sqlite3_busy_handler(db, &Database::WaitForLock, database.get());
  if (sqlite3_exec(db, std::string(kConnectionSettings).c_str(), nullptr, nullptr, nullptr) !=
      SQLITE_OK) {
    return nullptr;
  }
  return database;
}

int Database::WaitForLock(void* database, int attempt) {
  auto& db = *static_cast<Database*>(database);
  const auto now = std::chrono::steady_clock::now();
  if (attempt == 0) {
    db.waiting_since_ = now;
    db.gave_up_ = false;
  }
  const auto waited =
      std::chrono::duration_cast<std::chrono::milliseconds>(now - db.waiting_since_);
  if (waited >= db.busy_timeout_) return 0;
  if (!KeepWaitingForLock(db.company_, waited)) {
    db.gave_up_ = true;
    return 0;
  }
  sqlite3_sleep(kLockPauseMs);
  return 1;
}

Database::~Database() {
  statements_.Clear();
  sqlite3_close_v2(db_);
}

void Database::EachStatement(std::string_view sql,
                             const std::function<void(Statement&)>& run) const {
  while (!sql.empty()) {
    const size_t before = sql.size();
    Statement statement(*this, sql, &sql);
    if (!statement.empty()) run(statement);
    if (sql.size() == before) return;  // only blanks and comments were left
  }
}

void Database::Execute(std::string_view sql) const {
  EachStatement(sql, [](Statement& statement) {
    while (statement.Step()) {
    }
  });
}

void Database::Fail(std::string_view statement) const {
  const int code = sqlite3_extended_errcode(db_) & 0xff;
  if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
    throw Error(kDatabaseError, kErrorSource,
                "A base de dados da empresa " + company_ +
                    " está danificada ou não é uma base de dados (" + sqlite3_errmsg(db_) + ").");
  }
  if (code == SQLITE_BUSY && std::exchange(gave_up_, false)) {
    throw Error(kDatabaseError, kErrorSource,
                "Desistiu de esperar pela empresa " + company_ + ", ocupada noutro posto.");
  }
  if (code == SQLITE_BUSY) {
    throw Error(kDatabaseError, kErrorSource,
                "A empresa " + company_ + " está ocupada noutro posto há mais de " +
                    std::to_string((busy_timeout_.count() + 999) / 1000) +
                    " s. Tente de novo quando esse posto terminar.");
  }
  RaiseDatabaseError(sqlite3_errmsg(db_), statement);
}

Statement::Statement(const Database& db, std::string_view sql, std::string_view* tail) : db_(db) {
  stmt_ = db.statements_.Take(sql);
  if (stmt_ != nullptr) {
    kept_as_ = sql;
    if (tail != nullptr) *tail = {};
    return;
  }
  const char* rest = nullptr;
  if (sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, &rest) !=
      SQLITE_OK) {
    db.Fail(sql);
  }
  const std::string_view after = sql.substr(rest - sql.data());
  if (stmt_ != nullptr && after.find_first_not_of(" \t\r\n;") == std::string_view::npos) {
    kept_as_ = sql;
  }
  if (tail != nullptr) *tail = after;
}

Statement::~Statement() {
  if (!kept_as_.empty()) {
    db_.statements_.Give(kept_as_, stmt_);
  } else {
    sqlite3_finalize(stmt_);
  }
  if (ran_) tsql::StatementRan();
}

std::string_view Statement::Text() const {
  const char* text = sqlite3_sql(stmt_);
  return text == nullptr ? std::string_view() : std::string_view(text);
}

bool Statement::Step() {
  ran_ = true;
  switch (sqlite3_step(stmt_)) {
    case SQLITE_ROW:
      return true;
    case SQLITE_DONE:
      return false;
    default:
      Fail();
  }
}

void Statement::Fail() const {
  db_.Fail(Text());
}

}  // namespace pellora::sqlite
