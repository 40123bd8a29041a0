#ifndef PELLORA_TESTS_PLATFORM_SQLITE_TEST_COMPANY_H_
#define PELLORA_TESTS_PLATFORM_SQLITE_TEST_COMPANY_H_

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/sqlite/sqlite_data_access.h"
#include "runtime/error.h"

namespace pellora::sqlite {

// A company database file EMP1.db in a fresh temporary folder, and a data-access object
// connected to it.
class SqliteCompanyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellora-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((folder_ / "EMP1.db").c_str(), &db), SQLITE_OK);
    sqlite3_close(db);
    ASSERT_TRUE(data_.OpenConnection(ConnectionText("EMP1")));
  }

  void TearDown() override {
    data_.CloseConnection();
    std::filesystem::remove_all(folder_);
  }

  // The connection string the add-in builds for database `catalog` in the test folder.
  std::string ConnectionText(const std::string& catalog) const {
    return "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + folder_.string() +
           ";Initial Catalog=" + catalog + ";User Id=sa;Password=segredo; ";
  }

  // Runs SQLite text directly on the company file, outside the object under test.
  void Prepare(const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2((folder_ / "EMP1.db").c_str(), &db, SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string error = message == nullptr ? "" : message;
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << error;
  }

  RecordsetPtr Query(const std::string& sql) {
    RecordsetPtr recordset;
    data_.OpenRecordset("", sql, recordset, true, 0);
    return recordset;
  }

  std::filesystem::path folder_;
  SqliteDataAccess data_;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_TESTS_PLATFORM_SQLITE_TEST_COMPANY_H_
