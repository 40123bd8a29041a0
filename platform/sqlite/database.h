#ifndef PELLORA_PLATFORM_SQLITE_DATABASE_H_
#define PELLORA_PLATFORM_SQLITE_DATABASE_H_

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/sqlite/statement_cache.h"

namespace pellora::sqlite {

// What every connection to a company sets. Committed work survives a crash and a power loss:
// WAL with a sync at every commit.
inline constexpr std::string_view kConnectionSettings =
    "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA foreign_keys=OFF; "
    "PRAGMA cache_size=-65536; PRAGMA temp_store=MEMORY;";

// Source of every error the SQLite backend raises.
inline constexpr const char* kErrorSource = "SQLite";

class Statement;

// How long a statement waits for another workstation's write lock before it fails.
inline constexpr std::chrono::milliseconds kDefaultBusyTimeout{30000};

// One open company database file.
class Database {
 public:
  // Opens an existing file of company `company` for reading and writing, waiting up to
  // `busy_timeout` for a lock; nullptr, creating nothing, when the file is missing or is not a
  // usable database.
  static std::unique_ptr<Database> OpenExisting(const std::filesystem::path& file,
                                                const std::string& company,
                                                std::chrono::milliseconds busy_timeout);

  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  sqlite3* handle() const { return db_; }

  // Prepares the statements of `sql` one after another and hands each to `run`.
  void EachStatement(std::string_view sql, const std::function<void(Statement&)>& run) const;
  // Runs every statement of `sql` in order, discarding rows; raises on the first failure.
  void Execute(std::string_view sql) const;

  // Lets go of the statements kept prepared: after a schema change they would still describe
  // their columns as they were.
  void ForgetPreparedStatements() const { statements_.Clear(); }

  // Raises the database error for `statement` with SQLite's current message; a lock that
  // stayed taken beyond the wait says which company is busy.
  [[noreturn]] void Fail(std::string_view statement) const;

 private:
  Database(sqlite3* db, std::string company, std::chrono::milliseconds busy_timeout)
      : db_(db), company_(std::move(company)), busy_timeout_(busy_timeout) {}
  friend class Statement;

  // SQLite's busy handler: pauses while the lock is taken, up to the busy timeout or until the
  // lock-wait watcher gives up; `attempt` counts the pauses of one wait from 0.
  static int WaitForLock(void* database, int attempt);

  sqlite3* db_;
  std::string company_;
  std::chrono::milliseconds busy_timeout_;
  std::chrono::steady_clock::time_point waiting_since_;
  mutable bool gave_up_ = false;  // the last wait ended by the watcher; told once, by Fail
  mutable StatementCache statements_;
};

// Raises the database error: `message` followed by the first non-blank line of `statement`.
[[noreturn]] void RaiseDatabaseError(std::string_view message, std::string_view statement);

// `name` as an SQLite quoted identifier.
std::string QuoteIdentifier(std::string_view name);

// One prepared statement.
class Statement {
 public:
  // Prepares the first statement of `sql`; `tail`, when given, receives the text after it.
  // Text holding only blanks and comments gives an empty Statement. A text that is one whole
  // statement is prepared once per connection: `sql` must outlive the Statement.
  Statement(const Database& db, std::string_view sql, std::string_view* tail = nullptr);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool empty() const { return stmt_ == nullptr; }
  sqlite3_stmt* handle() const { return stmt_; }
  std::string_view Text() const;

  // Advances to the next row: true when a row is ready, false when done; raises on failure.
  bool Step();

  // Raises the database error for this statement.
  [[noreturn]] void Fail() const;

 private:
  const Database& db_;
  sqlite3_stmt* stmt_ = nullptr;
  std::string_view kept_as_;  // the whole text, when the statement goes back to the cache
  bool ran_ = false;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_DATABASE_H_
