// The direct connection on a company file, through SQLite's own interface.

#ifndef PELLORA_BENCH_SQLITE_DIRECT_H_
#define PELLORA_BENCH_SQLITE_DIRECT_H_

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "bench/direct_connection.h"
#include "platform/sqlite/database.h"
#include "platform/sqlite/text_comparison.h"

namespace pellora::bench {

class SqliteStatement : public DirectStatement {
 public:
  SqliteStatement(sqlite3* db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK) {
      throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in: " + sql.substr(0, 200));
    }
  }
  ~SqliteStatement() override { sqlite3_finalize(statement_); }
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  DirectStatement& Bind(int index, const std::string& text) override {
    Again();
    sqlite3_bind_text(statement_, index, text.c_str(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
    return *this;
  }
  DirectStatement& Bind(int index, double value) override {
    Again();
    sqlite3_bind_double(statement_, index, value);
    return *this;
  }
  DirectStatement& Bind(int index, long long value) override {
    Again();
    sqlite3_bind_int64(statement_, index, value);
    return *this;
  }
  DirectStatement& BindNull(int index) override {
    Again();
    sqlite3_bind_null(statement_, index);
    return *this;
  }
  bool Step() override {
    stepped_ = true;
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) return true;
    if (code != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db_));
    return false;
  }
  void Run() override {
    Step();
    Again();
  }
  std::string Text(int column) const override {
    const unsigned char* text = sqlite3_column_text(statement_, column);
    return text ? reinterpret_cast<const char*>(text) : "";
  }
  double Double(int column) const override { return sqlite3_column_double(statement_, column); }
  long long Integer(int column) const override { return sqlite3_column_int64(statement_, column); }

 private:
  // A statement whose rows were read runs again with the next values bound.
  void Again() {
    if (stepped_) sqlite3_reset(statement_);
    stepped_ = false;
  }

  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
  bool stepped_ = false;
};

// A company file opened with the same settings as the add-in's connection, so that the work
// done on it is not slowed by a smaller cache.
class SqliteFile : public DirectConnection {
 public:
  explicit SqliteFile(const std::filesystem::path& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      sqlite3_close(db_);
      throw std::runtime_error("cannot open " + path.string());
    }
    sqlite::RegisterTextComparison(db_);
    Exec(std::string(sqlite::kConnectionSettings));
  }
  ~SqliteFile() override { sqlite3_close(db_); }
  SqliteFile(const SqliteFile&) = delete;
  SqliteFile& operator=(const SqliteFile&) = delete;

  void Exec(const std::string& sql) override {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
      const std::string text = message ? message : "?";
      sqlite3_free(message);
      throw std::runtime_error(text + " in: " + sql.substr(0, 200));
    }
  }
  std::unique_ptr<DirectStatement> Prepare(const std::string& sql) override {
    return std::make_unique<SqliteStatement>(db_, sql);
  }
  // Takes the write lock at once, as the add-in's import does.
  void BeginWrite() override { Exec("BEGIN IMMEDIATE"); }

  std::string Year() const override { return "CAST(strftime('%Y', 'now') AS INTEGER)"; }
  std::string Now() const override { return "datetime('now')"; }
  std::string TimeNow() const override { return "time('now')"; }
  std::string DateDigits(const std::string& column) const override {
    return "strftime('%Y%m%d', " + column + ")";
  }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_SQLITE_DIRECT_H_
