#ifndef PELLORA_APP_SQLITE_WRITER_H_
#define PELLORA_APP_SQLITE_WRITER_H_

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellora::app {

// One prepared statement that is run many times with a fresh set of values.
class SqliteStatement {
 public:
  SqliteStatement(sqlite3* db, std::string_view sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  // Binds the values to the parameters in order (std::nullopt binds NULL) and runs the statement.
  template <typename... Values>
  void Run(const Values&... values) {
    int index = 0;
    (Bind(++index, values), ...);
    Step();
  }
  // The same with a list of texts known only at run time.
  void RunTexts(const std::vector<std::string>& values);

 private:
  void Bind(int index, std::nullopt_t);
  void Bind(int index, int value);
  void Bind(int index, double value);
  void Bind(int index, std::string_view value);
  void Bind(int index, const std::string& value) { Bind(index, std::string_view(value)); }
  void Bind(int index, const char* value) { Bind(index, std::string_view(value)); }
  void Bind(int index, const std::vector<uint8_t>& value);
  template <typename T>
  void Bind(int index, const std::optional<T>& value) {
    if (value) {
      Bind(index, *value);
    } else {
      Bind(index, std::nullopt);
    }
  }
  void Step();
  void Check(int code);

  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

// A connection that writes a new company database; failures raise the database error.
class SqliteWriter {
 public:
  explicit SqliteWriter(const std::string& path);
  ~SqliteWriter();
  SqliteWriter(const SqliteWriter&) = delete;
  SqliteWriter& operator=(const SqliteWriter&) = delete;

  // Runs one or more statements that take no values.
  void Execute(const std::string& sql);
  SqliteStatement Prepare(std::string_view sql) { return SqliteStatement(db_, sql); }

 private:
  sqlite3* db_ = nullptr;
};

// Raises the database error with SQLite's message for `db`.
[[noreturn]] void RaiseSqliteError(sqlite3* db);

}  // namespace pellora::app

#endif  // PELLORA_APP_SQLITE_WRITER_H_
