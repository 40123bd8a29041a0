#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "runtime/convert.h"
#include "runtime/date.h"
#include "tests/platform/sqlite_test_company.h"

namespace pellora::sqlite {
namespace {

using SqliteDataAccessTest = SqliteCompanyTest;

constexpr const char* kArticles =
    "CREATE TABLE ARTIGOS (CODIGO nvarchar(15) COLLATE NOCASE NOT NULL PRIMARY KEY, "
    "NOME nvarchar(60) COLLATE NOCASE, PVPSIVA money, STDISP float, ATIVO bit, "
    "DATAINI datetime);";

long ErrorNumberOf(const std::function<void()>& call, std::string* description = nullptr) {
  try {
    call();
  } catch (const Error& error) {
    if (description != nullptr) *description = error.description();
    return error.number();
  }
  return 0;
}

TEST_F(SqliteDataAccessTest, MissingDatabaseAnswersFalseAndCreatesNothing) {
  SqliteDataAccess other;
  EXPECT_FALSE(other.OpenConnection(ConnectionText("EMP9")));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "EMP9.db"));
  const std::string missing_folder = "Data Source=" + (folder_ / "nada").string() +
                                     ";Initial Catalog=EMP1;Integrated Security=SSPI;";
  EXPECT_FALSE(other.OpenConnection(missing_folder));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "nada"));
  EXPECT_FALSE(other.OpenConnection("Provider=MSDataShape;Data Provider=SQLOLEDB"));
  std::ofstream(folder_ / "LIXO.db") << "não é uma base de dados";
  EXPECT_FALSE(other.OpenConnection(ConnectionText("LIXO")));
  EXPECT_TRUE(other.OpenConnection(ConnectionText("EMP1")));
}

TEST_F(SqliteDataAccessTest, MembersRaiseWhenTheConnectionIsNotOpen) {
  std::shared_ptr<Connection> connection;
  data_.GetConnection(connection);
  data_.CloseConnection();
  EXPECT_EQ(ErrorNumberOf([&] { data_.ExecuteCommand("", "SELECT 1"); }), kObjectNotSet);
  EXPECT_EQ(ErrorNumberOf([&] { data_.BeginTransaction(); }), kObjectNotSet);
  EXPECT_EQ(ErrorNumberOf([&] { connection->Execute("SELECT 1"); }), kObjectNotSet);
  RecordsetPtr recordset;
  EXPECT_EQ(ErrorNumberOf([&] { data_.OpenRecordset("", "SELECT 1", recordset, true, 0); }),
            kObjectNotSet);
}

TEST_F(SqliteDataAccessTest, FailingStatementNamesItselfAndSqlitesReason) {
  Prepare(kArticles);
  std::string description;
  EXPECT_EQ(
      ErrorNumberOf(
          [&] { data_.ExecuteCommand("", "\r\nUPDATE   ARTIGOX  \r\nSET      NOME = N'x'  \r\n"); },
          &description),
      kDatabaseError);
  EXPECT_NE(description.find("no such table: ARTIGOX"), std::string::npos) << description;
  EXPECT_NE(description.find("(instrução: UPDATE"), std::string::npos) << description;

  data_.ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO) VALUES (N'A1')");
  EXPECT_EQ(ErrorNumberOf(
                [&] { data_.ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO) VALUES (N'a1')"); },
                &description),
            kDatabaseError);
  EXPECT_NE(description.find("UNIQUE constraint failed"), std::string::npos) << description;
}

TEST_F(SqliteDataAccessTest, QuotesDoubledInsideALiteralReachTheTable) {
  Prepare(kArticles);
  data_.ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO, NOME) VALUES (N'A''1', N'Caixa d''água')");
  RecordsetPtr rows = Query("SELECT CODIGO, NOME FROM ARTIGOS WHERE CODIGO = 'a''1'");
  ASSERT_EQ(rows->RecordCount(), 1);
  EXPECT_EQ(rows->Fields("CODIGO").Value(), Variant("A'1"));
  EXPECT_EQ(rows->Fields("NOME").Value(), Variant("Caixa d'água"));
  EXPECT_EQ(Query("SELECT * FROM ARTIGOS")->RecordCount(), 1);
}

TEST_F(SqliteDataAccessTest, FieldsReportTypesKeysAndValuesAsTheServer) {
  Prepare(std::string(kArticles) +
          "INSERT INTO ARTIGOS VALUES ('A1', 'Caixa', 12.5, 3, 1, '2024-01-31 10:20:30');");
  RecordsetPtr rows =
      Query("SELECT CODIGO, NOME, PVPSIVA, STDISP, ATIVO, DATAINI, 7 AS SETE FROM ARTIGOS");
  ASSERT_FALSE(rows->Eof());
  const FieldDef& code = rows->FieldDefAt(0);
  EXPECT_EQ(code.type, adVarWChar);
  EXPECT_EQ(code.defined_size, 15);
  EXPECT_TRUE(code.key);
  EXPECT_EQ(code.base_table, "ARTIGOS");
  EXPECT_EQ(code.attributes & (adFldKeyColumn | adFldIsNullable | adFldUpdatable),
            adFldKeyColumn | adFldUpdatable);
  EXPECT_EQ(rows->FieldDefAt(1).attributes & adFldIsNullable, adFldIsNullable);
  EXPECT_EQ(rows->Fields("PVPSIVA").Value(), Variant(Currency{125000}));
  EXPECT_EQ(rows->Fields("STDISP").Value(), Variant(3.0));
  EXPECT_EQ(rows->Fields("ATIVO").Value(), Variant(true));
  EXPECT_EQ(rows->Fields("DATAINI").Type(), adDBTimeStamp);
  EXPECT_EQ(rows->Fields("DATAINI").Value(), Variant(DateFromParts({2024, 1, 31, 10, 20, 30})));
  EXPECT_EQ(rows->Fields("SETE").Type(), adInteger);
  EXPECT_TRUE(rows->FieldDefAt(6).base_table.empty());
}

TEST_F(SqliteDataAccessTest, NestedTransactionsCommitOnlyWithTheOutermost) {
  Prepare(kArticles);
  EXPECT_FALSE(data_.InTransaction());
  data_.BeginTransaction();
  data_.ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO) VALUES (N'A1')");
  data_.BeginTransaction();
  data_.ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO) VALUES (N'A2')");
  data_.CommitTransaction();
  EXPECT_TRUE(data_.InTransaction());
  data_.RollbackTransaction();
  EXPECT_FALSE(data_.InTransaction());
  EXPECT_EQ(Query("SELECT * FROM ARTIGOS")->RecordCount(), 0);

  data_.BeginTransaction();
  data_.ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO) VALUES (N'B1')");
  data_.BeginTransaction();
  data_.ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO) VALUES (N'B2')");
  data_.RollbackTransaction();
  data_.CommitTransaction();
  RecordsetPtr rows = Query("SELECT CODIGO FROM ARTIGOS");
  ASSERT_EQ(rows->RecordCount(), 1);
  EXPECT_EQ(rows->Fields("CODIGO").Value(), Variant("B1"));

  EXPECT_EQ(ErrorNumberOf([&] { data_.CommitTransaction(); }), kDatabaseError);
}

TEST_F(SqliteDataAccessTest, SaveRecordsetWritesNothingWhenARowFails) {
  Prepare(std::string(kArticles) + "INSERT INTO ARTIGOS (CODIGO) VALUES ('A1');");
  RecordsetPtr rows = Query("SELECT CODIGO, NOME FROM ARTIGOS");
  rows->Fields("NOME").SetValue(Variant("Mudado"));
  rows->Update();
  rows->AddNew();
  rows->Fields("CODIGO").SetValue(Variant("a1"));  // the same key, by the collation
  rows->Update();
  EXPECT_EQ(ErrorNumberOf([&] { data_.SaveRecordset("", rows); }), kDatabaseError);
  EXPECT_TRUE(Query("SELECT NOME FROM ARTIGOS")->Fields("NOME").Value().IsNull());
}

TEST_F(SqliteDataAccessTest, OpenForUpdateWritesAtOnceAndReadsTheIdentityBack) {
  Prepare(
      "CREATE TABLE DOCS (ID INTEGER PRIMARY KEY AUTOINCREMENT, NOME nvarchar(50), "
      "CONTEUDO image);");
  RecordsetPtr docs;
  data_.OpenRecordsetForUpdate("SELECT ID, NOME, CONTEUDO FROM DOCS WHERE ID = 0", docs, 3, -1);
  EXPECT_EQ(docs->Fields("CONTEUDO").Type(), adLongVarBinary);
  const Bytes content = {0x25, 0x50, 0x00, 0xFF, 0x0A};
  for (const char* name : {"ficha.pdf", "outra.pdf"}) {
    docs->AddNew();
    docs->Fields("NOME").SetValue(Variant(name));
    docs->Fields("CONTEUDO").SetValue(Variant(content));
    docs->Update();
  }
  EXPECT_EQ(docs->Fields("ID").Value(), Variant(int32_t{2}));
  docs->Fields("NOME").SetValue(Variant("renomeada.pdf"));
  docs->Update();

  RecordsetPtr stored = Query("SELECT ID, NOME, CONTEUDO FROM DOCS ORDER BY ID");
  ASSERT_EQ(stored->RecordCount(), 2);
  EXPECT_EQ(stored->Fields("CONTEUDO").Value(), Variant(content));
  stored->MoveLast();
  EXPECT_EQ(stored->Fields("NOME").Value(), Variant("renomeada.pdf"));
}

TEST_F(SqliteDataAccessTest, ConnectionExecuteGivesRowsOrAnEmptyOpenRecordset) {
  Prepare(kArticles);
  std::shared_ptr<Connection> connection;
  data_.GetConnection(connection);
  RecordsetPtr none = connection->Execute("INSERT INTO ARTIGOS (CODIGO) VALUES (N'A1')");
  EXPECT_TRUE(none->IsOpen());
  EXPECT_TRUE(none->Eof());
  RecordsetPtr rows = connection->Execute("SELECT CODIGO FROM ARTIGOS");
  EXPECT_EQ(rows->Fields("CODIGO").Value(), Variant("A1"));
}

}  // namespace
}  // namespace pellora::sqlite

namespace pellora::sqlite {
namespace {

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

// The host's rows go with their values beside one text: each run binds its own values, the
// texts repeat without being run again as a repeat would be, and a count of values that does not
// match the markers fails naming the statement.
TEST_F(SqliteDataAccessTest, ValuesStandForTheMarkersOfOneText) {
  Prepare(kArticles);
  const std::string insert = "INSERT INTO ARTIGOS (CODIGO, NOME, STDISP) VALUES (?, ?, ?)";
  data_.BeginTransaction();
  data_.RunWithValues(insert, {Variant("A1"), Variant("Caixa d'água"), Variant(int32_t{2})});
  data_.RunWithValues(insert, {Variant("A2"), Variant::Null(), Variant(2.5)});
  const std::string update = "UPDATE ARTIGOS SET STDISP = STDISP + ? WHERE CODIGO = ?";
  data_.RunWithValues(update, {Variant(int32_t{1}), Variant("a1")});
  data_.RunWithValues(update, {Variant(int32_t{1}), Variant("a1")});
  data_.CommitTransaction();

  RecordsetPtr rows = data_.RunWithValues(
      "SELECT CODIGO, NOME, STDISP FROM ARTIGOS WHERE CODIGO IN (?, ?) "
      "ORDER BY CODIGO",
      {Variant("A1"), Variant("A2")});
  ASSERT_EQ(rows->RecordCount(), 2);
  EXPECT_EQ(rows->Fields("NOME").Value(), Variant("Caixa d'água"));
  EXPECT_EQ(CDbl(rows->Fields("STDISP").Value()), 4.0);
  rows->MoveNext();
  EXPECT_TRUE(rows->Fields("NOME").Value().IsNull());
  EXPECT_EQ(CDbl(rows->Fields("STDISP").Value()), 2.5);

  EXPECT_EQ(ErrorNumberOf([&] { data_.RunWithValues(update, {Variant(int32_t{1})}); }),
            kDatabaseError);
  EXPECT_EQ(ErrorNumberOf([&] {
              data_.RunWithValues(update, {Variant(int32_t{1}), Variant("A1"), Variant("x")});
            }),
            kDatabaseError);
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
