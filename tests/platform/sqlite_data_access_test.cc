#include <gtest/gtest.h>

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

  std::unique_ptr<DataAccess> MakeDataAccess() { return std::make_unique<SqliteDataAccess>(); }
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

namespace pellora::sqlite {
namespace {

// A query sent again inside a transaction may be answered from the rows it gave before; it
// must still see every write made in between, by whichever member, and each answer is the
// caller's own to change.
TEST_F(SqliteDataAccessTest, AQueryRepeatedInATransactionSeesEveryWriteBeforeIt) {
  Prepare(std::string(kArticles) + "INSERT INTO ARTIGOS (CODIGO, NOME) VALUES ('A1', 'um');");
  const std::string query = "SELECT CODIGO, NOME FROM ARTIGOS ORDER BY CODIGO";
  auto names = [&] {
    std::string all;
    for (RecordsetPtr rows = Query(query); !rows->Eof(); rows->MoveNext()) {
      all += CStr(rows->Fields("NOME").Value()) + ";";
    }
    return all;
  };
  data_.BeginTransaction();
  RecordsetPtr first = Query(query);
  first->Fields("NOME").SetValue(Variant("só em memória"));
  first->Update();
  EXPECT_EQ(names(), "um;");

  data_.ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO, NOME) VALUES (N'A2', N'dois')");
  EXPECT_EQ(names(), "um;dois;");
  data_.RunWithValues("UPDATE ARTIGOS SET NOME = ? WHERE CODIGO = ?",
                      {Variant("1"), Variant("A1")});
  EXPECT_EQ(names(), "1;dois;");
  RecordsetPtr edited = Query(query);
  edited->Fields("NOME").SetValue(Variant("guardado"));
  edited->Update();
  data_.SaveRecordset("", edited);
  EXPECT_EQ(names(), "guardado;dois;");
  RecordsetPtr immediate;
  data_.OpenRecordsetForUpdate("SELECT CODIGO, NOME FROM ARTIGOS WHERE CODIGO = N'A2'", immediate,
                               3, -1);
  immediate->Fields("NOME").SetValue(Variant("2"));
  immediate->Update();
  EXPECT_EQ(names(), "guardado;2;");
  std::shared_ptr<Connection> connection;
  data_.GetConnection(connection);
  connection->Execute("DELETE FROM ARTIGOS WHERE CODIGO = N'A2'");
  EXPECT_EQ(names(), "guardado;");
  data_.CommitTransaction();

  // Outside a transaction another workstation may write between two queries.
  SqliteDataAccess other;
  ASSERT_TRUE(other.OpenConnection(ConnectionText("EMP1")));
  EXPECT_EQ(names(), "guardado;");
  other.ExecuteCommand("", "UPDATE ARTIGOS SET NOME = N'de outro posto'");
  EXPECT_EQ(names(), "de outro posto;");
}

}  // namespace
}  // namespace pellora::sqlite
