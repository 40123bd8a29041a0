#ifndef PELLORA_TESTS_PLATFORM_SQLITE_TEST_COMPANY_H_
#define PELLORA_TESTS_PLATFORM_SQLITE_TEST_COMPANY_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/sqlite/sqlite_data_access.h"
#include "runtime/error.h"
#include "tests/company_database.h"
#include "tests/runtime/recordset_testing.h"
#include "tests/temp_folder.h"

namespace pellora::sqlite {

// A company database file EMP1.db in a fresh temporary folder, and a data-access object
// connected to it.
class SqliteCompanyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(testing::RunSqlOnFile(folder_ / "EMP1.db", ""), "");
    ASSERT_TRUE(data_->OpenConnection(testing::ConnectionStringFor(folder_, "EMP1") +
                                      ";User Id=sa;Password=segredo; "));
  }

  void TearDown() override { data_->CloseConnection(); }

  // Runs SQLite text directly on the company file, outside the object under test.
  void Prepare(const std::string& sql) {
    ASSERT_EQ(testing::RunSqlOnFile(folder_ / "EMP1.db", sql), "");
  }

  RecordsetPtr Query(const std::string& sql) {
    RecordsetPtr recordset;
    data_->OpenRecordset("", sql, recordset, true, 0);
    return recordset;
  }

  // The query's first row as text, its values joined by '|' (see testing::RowText).
  std::string Row(const std::string& sql) { return testing::RowText(*Query(sql)); }

  testing::TempFolder temp_folder_;
  std::filesystem::path folder_ = temp_folder_.path();
  std::shared_ptr<SqliteDataAccess> data_ = std::make_shared<SqliteDataAccess>();
};

}  // namespace pellora::sqlite

#endif  // PELLORA_TESTS_PLATFORM_SQLITE_TEST_COMPANY_H_
