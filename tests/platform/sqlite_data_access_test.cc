#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "runtime/convert.h"
#include "tests/data_access_cases.h"
#include "tests/platform/sqlite_test_company.h"

namespace pellora::sqlite {
namespace {

// The company file EMP1.db in a fresh temporary folder.
class SqliteEngine {
 public:
  static constexpr const char* kMissingTable = "no such table: ARTIGOX";
  static constexpr const char* kDuplicateKey = "UNIQUE constraint failed";

  std::unique_ptr<DataAccess> MakeDataAccess(std::chrono::milliseconds wait,
                                             session::StatementObserverPtr watch = nullptr) {
    return std::make_unique<SqliteDataAccess>(wait, std::move(watch));
  }
  void CreateCompany() { ASSERT_EQ(testing::RunSqlOnFile(folder_ / "EMP1.db", ""), ""); }
  void DropCompany() {}
  std::string ConnectionText() const {
    return testing::ConnectionStringFor(folder_, "EMP1") + ";User Id=sa;Password=segredo; ";
  }
  // A missing file, a missing folder and a file that is no database.
  std::vector<std::string> UnopenableConnectionTexts() {
    std::ofstream(folder_ / "LIXO.db") << "não é uma base de dados";
    return {testing::ConnectionStringFor(folder_, "EMP9"),
            testing::ConnectionStringFor(folder_ / "nada", "EMP1") + ";Integrated Security=SSPI;",
            testing::ConnectionStringFor(folder_, "LIXO")};
  }
  bool CreatedNothing() const {
    return !std::filesystem::exists(folder_ / "EMP9.db") &&
           !std::filesystem::exists(folder_ / "nada");
  }
  void Prepare(const std::string& sql) {
    ASSERT_EQ(testing::RunSqlOnFile(folder_ / "EMP1.db", sql), "");
  }

 private:
  testing::TempFolder temp_folder_;
  std::filesystem::path folder_ = temp_folder_.path();
};

}  // namespace
}  // namespace pellora::sqlite

namespace pellora::testing {
INSTANTIATE_TYPED_TEST_SUITE_P(Sqlite, DataAccessCases, sqlite::SqliteEngine);
}  // namespace pellora::testing
