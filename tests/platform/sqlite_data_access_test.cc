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

  std::unique_ptr<DataAccess> MakeDataAccess(std::chrono::milliseconds wait) {
    return std::make_unique<SqliteDataAccess>(wait);
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

namespace pellora::sqlite {
namespace {

using SqliteDataAccessTest = SqliteCompanyTest;

constexpr const char* kArticles =
    "CREATE TABLE ARTIGOS (CODIGO nvarchar(15) COLLATE NOCASE NOT NULL PRIMARY KEY, "
    "NOME nvarchar(60) COLLATE NOCASE, PVPSIVA money, STDISP float, ATIVO bit, "
    "DATAINI datetime);";

TEST_F(SqliteDataAccessTest, ARepeatedUpdateRunsAgainOnceAnythingElseRan) {
  Prepare(std::string(kArticles) + "INSERT INTO ARTIGOS (CODIGO, NOME) VALUES ('A1', 'x');");
  const std::string mark = "UPDATE ARTIGOS SET NOME = N'marcado' WHERE CODIGO = N'A1'";
  data_.BeginTransaction();
  data_.ExecuteCommand("", mark);
  data_.ExecuteCommand("", mark);  // nothing to do: the row is marked already
  data_.ExecuteCommand("", "UPDATE ARTIGOS SET NOME = N'y' WHERE CODIGO = N'A1'");
  data_.ExecuteCommand("", mark);
  RecordsetPtr rows = Query("SELECT CODIGO, NOME FROM ARTIGOS");
  EXPECT_EQ(rows->Fields("NOME").Value(), Variant("marcado"));
  rows->Fields("NOME").SetValue(Variant("z"));
  rows->Update();
  data_.SaveRecordset("", rows);
  data_.ExecuteCommand("", mark);
  data_.CommitTransaction();
  EXPECT_EQ(Query("SELECT NOME FROM ARTIGOS")->Fields("NOME").Value(), Variant("marcado"));
}

}  // namespace
}  // namespace pellora::sqlite
