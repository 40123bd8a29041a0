#include "app/sqlite_writer.h"

#include "platform/sqlite/text_comparison.h"
#include "runtime/error.h"

namespace pellora::app {

namespace {

Error SqliteError(sqlite3* db) {
  return Error(kDatabaseError, "CreateDemoCompany",
               db ? sqlite3_errmsg(db) : "Não foi possível abrir a base de dados.");
}

}  // namespace

void RaiseSqliteError(sqlite3* db) {
  throw SqliteError(db);
}

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
  Check(sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr));
}

SqliteStatement::~SqliteStatement() {
  sqlite3_finalize(statement_);
}

void SqliteStatement::Bind(int index, std::nullopt_t) {
  Check(sqlite3_bind_null(statement_, index));
}

void SqliteStatement::Bind(int index, int value) {
  Check(sqlite3_bind_int(statement_, index, value));
}

void SqliteStatement::Bind(int index, double value) {
  Check(sqlite3_bind_double(statement_, index, value));
}

void SqliteStatement::Bind(int index, std::string_view value) {
  Check(sqlite3_bind_text(statement_, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT));
}

void SqliteStatement::Bind(int index, const std::vector<uint8_t>& value) {
  Check(sqlite3_bind_blob(statement_, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT));
}

void SqliteStatement::RunTexts(const std::vector<std::string>& values) {
  for (size_t i = 0; i < values.size(); ++i) Bind(static_cast<int>(i) + 1, values[i]);
  Step();
}

void SqliteStatement::Step() {
  const int code = sqlite3_step(statement_);
  sqlite3_reset(statement_);
  if (code != SQLITE_DONE && code != SQLITE_ROW) RaiseSqliteError(db_);
}

void SqliteStatement::Check(int code) {
  if (code != SQLITE_OK) RaiseSqliteError(db_);
}

SqliteWriter::SqliteWriter(const std::string& path) {
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    const Error error = SqliteError(db_);
    sqlite3_close(db_);
    throw error;
  }
  sqlite::RegisterTextComparison(db_);
}

SqliteWriter::~SqliteWriter() {
  sqlite3_close(db_);
}

void SqliteWriter::Execute(const std::string& sql) {
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
    RaiseSqliteError(db_);
  }
}

}  // namespace pellora::app
