#ifndef PELLORA_TESTS_COMPANY_DATABASE_H_
#define PELLORA_TESTS_COMPANY_DATABASE_H_

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/sqlite/text_comparison.h"

// Pieces the test fixtures share to build and inspect a company database file directly.
namespace pellora::testing {

// The text of schema/company.sql, which creates an empty company.
inline std::string CompanySchemaText() {
  std::ifstream schema(PELLORA_SOURCE_DIR "/schema/company.sql");
  EXPECT_TRUE(schema) << "schema/company.sql";
  std::ostringstream text;
  text << schema.rdbuf();
  return text.str();
}

// Runs SQLite text directly on the database `file` (created if missing), outside the objects
// under test; gives the error text, "" on success.
inline std::string RunSqlOnFile(const std::filesystem::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) {
    const std::string error = "cannot open " + file.string() + ": " + sqlite3_errmsg(db);
    sqlite3_close(db);
    return error;
  }
  sqlite::RegisterTextComparison(db);
  char* message = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
  const std::string error = rc == SQLITE_OK ? "" : message ? message : sqlite3_errstr(rc);
  sqlite3_free(message);
  sqlite3_close(db);
  return error;
}

// The rows a query gives on an open database, each row's columns joined by "|" (NULL as
// "NULL").
inline std::vector<std::string> RowsOf(sqlite3* db, const std::string& sql) {
  std::vector<std::string> rows;
  char* message = nullptr;
  const auto add_row = [](void* added, int count, char** values, char**) {
    std::string& row = static_cast<std::vector<std::string>*>(added)->emplace_back();
    for (int i = 0; i < count; ++i)
      row += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
    return 0;
  };
  if (sqlite3_exec(db, sql.c_str(), add_row, &rows, &message) != SQLITE_OK) {
    ADD_FAILURE() << (message ? message : sqlite3_errmsg(db)) << "\n" << sql;
  }
  sqlite3_free(message);
  return rows;
}

// Runs `read` on the database `file` opened for it; a failure to open fails the test.
template <typename Read>
inline auto ReadFile(const std::filesystem::path& file, Read read) -> decltype(read(nullptr)) {
  sqlite3* db = nullptr;
  if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) {
    ADD_FAILURE() << "cannot open " << file.string() << ": " << sqlite3_errmsg(db);
    sqlite3_close(db);
    return {};
  }
  sqlite::RegisterTextComparison(db);
  auto result = read(db);
  sqlite3_close(db);
  return result;
}

// The rows a query gives on the database `file`, as RowsOf gives them.
inline std::vector<std::string> RowsOnFile(const std::filesystem::path& file,
                                           const std::string& sql) {
  return ReadFile(file, [&](sqlite3* db) { return RowsOf(db, sql); });
}

// The connection string the add-in builds for database `catalog` in `folder`.
inline std::string ConnectionStringFor(const std::filesystem::path& folder,
                                       const std::string& catalog) {
  return "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + folder.string() +
         ";Initial Catalog=" + catalog;
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_COMPANY_DATABASE_H_
