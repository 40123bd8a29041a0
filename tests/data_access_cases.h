#ifndef PELLORA_TESTS_DATA_ACCESS_CASES_H_
#define PELLORA_TESTS_DATA_ACCESS_CASES_H_

// The behaviour every engine's data-access object owes the add-in, as one list of cases. Each
// engine's test program instantiates it with an Engine that offers:
//   std::unique_ptr<DataAccess> MakeDataAccess(std::chrono::milliseconds wait,
//                                              session::StatementObserverPtr watch = nullptr);
//   void CreateCompany();                 // a fresh, empty company database
//   std::string ConnectionText();         // the add-in's connection string for it
//   std::vector<std::string> UnopenableConnectionTexts();  // each must answer False
//   bool CreatedNothing();                // none of those made a company database
//   void Prepare(const std::string&);     // tables and rows in the company schema's syntax
//   static constexpr const char* kMissingTable, kDuplicateKey;  // the engine's reasons
//   void DropCompany();

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "interfaces/data_access.h"
#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "tests/failing_statements.h"
#include "tests/text_rule_cases.h"

namespace pellora::testing {

using Texts = std::vector<std::string>;

template <typename Engine>
class DataAccessCases : public ::testing::Test {
 protected:
  static constexpr std::chrono::milliseconds kWait{30000};

  // Every case starts with the table ARTIGOS, empty.
  void SetUp() override {
    engine_.CreateCompany();
    engine_.Prepare(
        "CREATE TABLE ARTIGOS (CODIGO nvarchar(15) COLLATE pellora_ci NOT NULL PRIMARY KEY, "
        "NOME nvarchar(60) COLLATE pellora_ci, PVPSIVA money, STDISP float, ATIVO bit, "
        "DATAINI datetime);");
    data_ = engine_.MakeDataAccess(kWait);
    ASSERT_TRUE(data_->OpenConnection(engine_.ConnectionText()));
  }
  void TearDown() override {
    data_->CloseConnection();
    engine_.DropCompany();
  }

  RecordsetPtr Query(const std::string& sql) {
    RecordsetPtr recordset;
    data_->OpenRecordset("", sql, recordset, true, 0);
    return recordset;
  }
  // Each row's values as texts joined by "|" (Null as "NULL").
  static Texts RowsOf(RecordsetPtr rows) {
    Texts texts;
    for (; !rows->Eof(); rows->MoveNext()) {
      std::string& row = texts.emplace_back();
      for (size_t i = 0; i < rows->FieldCount(); ++i) {
        const Variant value = rows->Fields(i).Value();
        row += (i ? "|" : "") + (value.IsNull() ? std::string("NULL") : CStr(value));
      }
    }
    return texts;
  }
  Texts Rows(const std::string& sql) { return RowsOf(Query(sql)); }
  void Exec(const std::string& sql) { data_->ExecuteCommand("", sql); }
  // Another workstation's data-access object, open on the company.
  std::unique_ptr<DataAccess> Other(std::chrono::milliseconds wait = kWait) {
    auto other = engine_.MakeDataAccess(wait);
    EXPECT_TRUE(other->OpenConnection(engine_.ConnectionText()));
    return other;
  }

  // The number of the error `call` raises (0 for none); its description into `description`.
  static long ErrorNumberOf(const std::function<void()>& call, std::string* description = nullptr) {
    try {
      call();
    } catch (const Error& error) {
      if (description != nullptr) *description = error.description();
      return error.number();
    }
    return 0;
  }

  Engine engine_;
  std::unique_ptr<DataAccess> data_;
};

TYPED_TEST_SUITE_P(DataAccessCases);

TYPED_TEST_P(DataAccessCases, OnlyTheCompanyOpensAndMembersRaiseWhenItIsClosed) {
  auto other = this->engine_.MakeDataAccess(this->kWait);
  for (const std::string& text : this->engine_.UnopenableConnectionTexts()) {
    EXPECT_FALSE(other->OpenConnection(text)) << text;
  }
  EXPECT_FALSE(other->OpenConnection("Provider=MSDataShape;Data Provider=SQLOLEDB"));
  EXPECT_TRUE(this->engine_.CreatedNothing());
  EXPECT_TRUE(other->OpenConnection(this->engine_.ConnectionText()));

  std::shared_ptr<Connection> connection;
  this->data_->GetConnection(connection);
  this->data_->CloseConnection();
  DataAccess& data = *this->data_;
  RecordsetPtr rows;
  for (const std::function<void()>& call : std::vector<std::function<void()>>{
           [&] { data.ExecuteCommand("", "SELECT 1"); }, [&] { data.BeginTransaction(); },
           [&] { connection->Execute("SELECT 1"); },
           [&] { data.OpenRecordset("", "SELECT 1", rows, true, 0); }}) {
    EXPECT_EQ(this->ErrorNumberOf(call), kObjectNotSet);
  }
}

TYPED_TEST_P(DataAccessCases, FailingStatementNamesItselfAndTheEnginesReason) {
  this->Exec("INSERT INTO ARTIGOS (CODIGO) VALUES (N'A1')");
  for (const auto& [sql, reason, named] :
       {std::tuple<std::string, std::string, std::string>{
            "\r\nUPDATE   ARTIGOX  \r\nSET      NOME = N'x'  \r\n", TypeParam::kMissingTable,
            "(instrução: UPDATE"},
        {"INSERT INTO ARTIGOS (CODIGO) VALUES (N'a1')", TypeParam::kDuplicateKey,
         "(instrução: INSERT"}}) {
    std::string description;
    EXPECT_EQ(this->ErrorNumberOf([&, sql = sql] { this->Exec(sql); }, &description),
              kDatabaseError);
    EXPECT_NE(description.find(reason), std::string::npos) << description;
    EXPECT_NE(description.find(named), std::string::npos) << description;
  }
}

TYPED_TEST_P(DataAccessCases, QuotesDoubledInsideALiteralReachTheTable) {
  this->Exec("INSERT INTO ARTIGOS (CODIGO, NOME) VALUES (N'A''1', N'Caixa d''água')");
  EXPECT_EQ(this->Rows("SELECT CODIGO, NOME FROM ARTIGOS WHERE CODIGO = 'a''1'"),
            Texts{"A'1|Caixa d'água"});
  EXPECT_EQ(this->Rows("SELECT CODIGO FROM ARTIGOS"), Texts{"A'1"});
}

// Keys, comparisons and LIKE on text columns, without case and with accents.
TYPED_TEST_P(DataAccessCases, TextsCompareByTheCompanysRule) {
  for (const auto& [stored, sought, equal] : kTextRule) {
    const std::string code = stored, other = sought;
    this->Exec("DELETE FROM ARTIGOS");
    this->Exec("INSERT INTO ARTIGOS (CODIGO, NOME) VALUES (N'" + code + "', N'" + code + "')");
    for (const std::string& where :
         {"CODIGO = N'" + other + "'", "NOME = N'" + other + "'", "NOME LIKE N'" + other + "%'"}) {
      EXPECT_EQ(this->Rows("SELECT CODIGO FROM ARTIGOS WHERE " + where).size(), equal ? 1u : 0u)
          << where;
    }
    EXPECT_EQ(this->ErrorNumberOf(
                  [&] { this->Exec("INSERT INTO ARTIGOS (CODIGO) VALUES (N'" + other + "')"); }),
              equal ? static_cast<long>(kDatabaseError) : 0L)
        << other;
  }
}

TYPED_TEST_P(DataAccessCases, FieldsReportTypesKeysNamesAndValuesAsTheServer) {
  this->engine_.Prepare(
      "INSERT INTO ARTIGOS VALUES ('A1', 'Caixa', 1234567.8901, 3, 1, '2024-01-31 10:20:30');"
      "CREATE TABLE MEDIDAS (TAXA decimal(5,2), QTD smallint, OBS ntext);"
      "INSERT INTO MEDIDAS VALUES (NULL, 4, 'longo');");
  RecordsetPtr rows = this->Query(
      "SELECT CODIGO, NOME, PVPSIVA, STDISP, ATIVO, DATAINI, 7 AS SETE, "
      "ISNULL(NOME, N'') AS Nome2, UPPER(NOME) AS GRANDE, M.TAXA, M.QTD, M.OBS "
      "FROM ARTIGOS, MEDIDAS M");
  RecordsetPtr star = this->Query("SELECT * FROM MEDIDAS");  // typed as its table declares
  ASSERT_FALSE(rows->Eof() || star->Eof());
  size_t i = 0;
  for (const auto& [name, type, size, table, value] :
       {std::tuple{"CODIGO", adVarWChar, 15, "ARTIGOS", Variant("A1")},
        {"NOME", adVarWChar, 60, "ARTIGOS", Variant("Caixa")},
        {"PVPSIVA", adCurrency, 8, "ARTIGOS", Variant(Currency{12345678901})},
        {"STDISP", adDouble, 8, "ARTIGOS", Variant(3.0)},
        {"ATIVO", adBoolean, 2, "ARTIGOS", Variant(true)},
        {"DATAINI", adDBTimeStamp, 16, "ARTIGOS",
         Variant(DateFromParts({2024, 1, 31, 10, 20, 30}))},
        {"SETE", adInteger, 4, "", Variant(int32_t{7})},
        {"Nome2", adVarWChar, 60, "", Variant("Caixa")},
        {"GRANDE", adVarWChar, 4000, "", Variant("CAIXA")},
        {"TAXA", adNumeric, 19, "MEDIDAS", Variant::Null()},
        {"QTD", adSmallInt, 2, "MEDIDAS", Variant(int16_t{4})},
        {"OBS", adLongVarWChar, 1073741823, "MEDIDAS", Variant("longo")}}) {
    const FieldDef& def = rows->FieldDefAt(i);
    EXPECT_EQ(std::tuple(def.name, def.type, def.defined_size, UCase(def.base_table)),
              std::tuple(name, type, size, table))
        << name;
    EXPECT_EQ(rows->Fields(i++).Value(), value) << name;
    if (std::string(table) != "MEDIDAS") continue;
    const FieldDef& by_star = star->FieldDefAt(star->Fields(name).Index());
    EXPECT_EQ(std::tuple(by_star.type, by_star.defined_size), std::tuple(type, size)) << name;
    EXPECT_EQ(star->Fields(name).Value(), value) << name;
  }
  EXPECT_TRUE(rows->FieldDefAt(0).key);
  EXPECT_EQ(rows->FieldDefAt(0).attributes & (adFldKeyColumn | adFldIsNullable | adFldUpdatable),
            adFldKeyColumn | adFldUpdatable);
  EXPECT_EQ(rows->FieldDefAt(1).attributes & adFldIsNullable, adFldIsNullable);
}

TYPED_TEST_P(DataAccessCases, NestedTransactionsCommitOnlyWithTheOutermost) {
  DataAccess& data = *this->data_;
  EXPECT_FALSE(data.InTransaction());
  for (const bool inner_commits : {true, false}) {
    data.BeginTransaction();
    this->Exec("INSERT INTO ARTIGOS (CODIGO) VALUES (N'outer')");
    data.BeginTransaction();
    this->Exec("INSERT INTO ARTIGOS (CODIGO) VALUES (N'inner')");
    if (inner_commits) {
      data.CommitTransaction();
      EXPECT_TRUE(data.InTransaction());
      data.RollbackTransaction();
    } else {
      data.RollbackTransaction();
      data.CommitTransaction();
    }
    EXPECT_FALSE(data.InTransaction());
    EXPECT_EQ(this->Rows("SELECT CODIGO FROM ARTIGOS"), inner_commits ? Texts{} : Texts{"outer"});
  }
  EXPECT_EQ(this->ErrorNumberOf([&] { data.CommitTransaction(); }), kDatabaseError);
}

// A commit that fails, the disk full, undoes its level's work and nothing more, and the outermost
// one lets the company go at once. The Rollback the caller's error handler sends next is quiet.
TYPED_TEST_P(DataAccessCases, AFailedCommitUndoesItsLevelAndLetsTheCompanyGo) {
  for (const std::string refused : {"COMMIT", "RELEASE"}) {
    const bool outermost = refused == "COMMIT";
    auto data =
        this->engine_.MakeDataAccess(this->kWait, std::make_shared<FailingStatements>(refused));
    ASSERT_TRUE(data->OpenConnection(this->engine_.ConnectionText()));
    data->BeginTransaction();
    data->ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO) VALUES (N'A1')");
    data->BeginTransaction();
    data->ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO) VALUES (N'A2')");
    if (outermost) data->CommitTransaction();
    EXPECT_EQ(this->ErrorNumberOf([&] { data->CommitTransaction(); }), kDatabaseError);
    EXPECT_EQ(this->ErrorNumberOf([&] { data->RollbackTransaction(); }), 0) << refused;
    EXPECT_EQ(data->InTransaction(), !outermost);
    if (!outermost) data->CommitTransaction();
    auto other = this->Other(std::chrono::milliseconds(200));
    EXPECT_EQ(this->ErrorNumberOf([&] { other->BeginTransaction(); }), 0) << refused;
    EXPECT_EQ(this->Rows("SELECT CODIGO FROM ARTIGOS"), outermost ? Texts{} : Texts{"A1"});
  }
}

TYPED_TEST_P(DataAccessCases, SaveRecordsetWritesChangedAndNewRowsOrNothing) {
  this->Exec("INSERT INTO ARTIGOS (CODIGO) VALUES ('A1')");
  RecordsetPtr rows = this->Query("SELECT CODIGO, NOME FROM ARTIGOS");
  rows->Fields("NOME").SetValue(Variant("Mudado"));
  rows->Update();
  rows->AddNew();
  rows->Fields("CODIGO").SetValue(Variant("a1"));  // the same key, by the collation
  rows->Update();
  EXPECT_EQ(this->ErrorNumberOf([&] { this->data_->SaveRecordset("", rows); }), kDatabaseError);
  EXPECT_EQ(this->Rows("SELECT CODIGO, NOME FROM ARTIGOS"), Texts{"A1|NULL"});

  rows->Fields("CODIGO").SetValue(Variant("A2"));
  rows->Update();
  this->data_->SaveRecordset("", rows);
  const std::string all = "SELECT CODIGO, NOME FROM ARTIGOS ORDER BY CODIGO";
  EXPECT_EQ(this->Rows(all), (Texts{"A1|Mudado", "A2|NULL"}));

  // A row another workstation removed meanwhile is not written as if it were there.
  RecordsetPtr stored = this->Query(all);
  stored->Fields("NOME").SetValue(Variant("Outra vez"));
  stored->Update();
  this->Exec("DELETE FROM ARTIGOS WHERE CODIGO = N'A1'");
  EXPECT_EQ(this->ErrorNumberOf([&] { this->data_->SaveRecordset("", stored); }), kDatabaseError);
}

TYPED_TEST_P(DataAccessCases, OpenForUpdateWritesAtOnceAndReadsTheIdentityBack) {
  this->engine_.Prepare(
      "CREATE TABLE DOCS (ID INTEGER PRIMARY KEY AUTOINCREMENT, NOME nvarchar(50), "
      "CONTEUDO image);");
  RecordsetPtr docs;
  this->data_->OpenRecordsetForUpdate("SELECT ID, NOME, CONTEUDO FROM DOCS WHERE ID = 0", docs, 3,
                                      -1);
  EXPECT_EQ(docs->Fields("CONTEUDO").Type(), adLongVarBinary);
  EXPECT_TRUE(docs->FieldDefAt(0).identity);
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

  EXPECT_EQ(this->Rows("SELECT ID, NOME FROM DOCS ORDER BY ID"),
            (Texts{"1|ficha.pdf", "2|renomeada.pdf"}));
  EXPECT_EQ(this->Query("SELECT CONTEUDO FROM DOCS")->Fields("CONTEUDO").Value(), Variant(content));
}

// The host's rows go with their values beside one text: each run binds its own values, and a
// count of values that does not match the markers fails naming the statement. Statements sent
// as one group run in order, all or none: a failing one undoes its group, not the transaction.
TYPED_TEST_P(DataAccessCases, ValuesStandForTheMarkersOfOneText) {
  DataAccess& data = *this->data_;
  const std::string insert = "INSERT INTO ARTIGOS (CODIGO, NOME, STDISP) VALUES (?, ?, ?)";
  data.BeginTransaction();
  data.RunWithValues(insert, {Variant("A1"), Variant("Caixa d'água"), Variant(int32_t{2})});
  data.RunWithValues(insert, {Variant("A2"), Variant::Null(), Variant(2.5)});
  const std::string update = "UPDATE ARTIGOS SET STDISP = STDISP + ? WHERE CODIGO = ?";
  data.RunWithValues(update, {Variant(int32_t{1}), Variant("a1")});
  data.RunWithValues(update, {Variant(int32_t{1}), Variant("a1")});
  data.CommitTransaction();
  EXPECT_EQ(this->RowsOf(data.RunWithValues(
                "SELECT CODIGO, NOME, STDISP FROM ARTIGOS WHERE CODIGO IN (?, ?) ORDER BY CODIGO",
                {Variant("A1"), Variant("A2")})),
            (Texts{"A1|Caixa d'água|4", "A2|NULL|2,5"}));

  for (const std::vector<Variant>& values :
       {std::vector{Variant(int32_t{1})}, {Variant(int32_t{1}), Variant("A1"), Variant("x")}}) {
    std::string description;
    EXPECT_EQ(this->ErrorNumberOf([&] { data.RunWithValues(update, values); }, &description),
              kDatabaseError);
    EXPECT_NE(description.find("UPDATE ARTIGOS"), std::string::npos) << description;
  }

  data.BeginTransaction();
  data.RunAllWithValues({{insert, {Variant("A3"), Variant("x"), Variant(int32_t{1})}},
                         {update, {Variant(int32_t{5}), Variant("A3")}}});
  // A key already there; fewer values than markers.
  for (const std::vector<Variant>& last :
       {std::vector{Variant("a1"), Variant("y"), Variant(int32_t{1})}, {Variant("A5")}}) {
    std::string description;
    EXPECT_EQ(
        this->ErrorNumberOf(
            [&] {
              data.RunAllWithValues({{insert, {Variant("A4"), Variant("y"), Variant(int32_t{1})}},
                                     {update, {Variant(int32_t{1}), Variant("A3")}},
                                     {insert, last}});
            },
            &description),
        kDatabaseError);
    EXPECT_NE(description.find("INSERT INTO ARTIGOS"), std::string::npos) << description;
  }
  data.RunWithValues(update, {Variant(int32_t{1}), Variant("A3")});
  data.CommitTransaction();
  EXPECT_EQ(this->RowsOf(data.RunWithValues(
                "SELECT CODIGO, STDISP FROM ARTIGOS WHERE CODIGO IN (?, ?) ORDER BY CODIGO",
                {Variant("A3"), Variant("A4")})),
            (Texts{"A3|7"}));
}

// Texts that differ only in their string literals share one translation: each still reads its
// own literals, whatever quotes, accents, comments or names come around them, and a literal
// still types its column by its own length.
TYPED_TEST_P(DataAccessCases, TextsDifferingOnlyInLiteralsReadTheirOwn) {
  this->engine_.Prepare(
      "INSERT INTO ARTIGOS (CODIGO, NOME) VALUES ('O''B', 'Água'); "
      "INSERT INTO ARTIGOS (CODIGO, NOME) VALUES ('ABC', 'Agua')");
  const std::pair<std::string, Texts> cases[] = {
      {"SELECT NOME FROM ARTIGOS WHERE CODIGO = 'O''B'", {"Água"}},
      {"SELECT NOME FROM ARTIGOS WHERE CODIGO = 'ABC'", {"Agua"}},
      {"SELECT CODIGO FROM ARTIGOS WHERE NOME = N'Água' -- it's\n", {"O'B"}},
      {"SELECT CODIGO FROM ARTIGOS WHERE NOME = 'Agua' /* 'x' */", {"ABC"}},
      {"SELECT 'ab' AS [a'b], 'O''B' AS X", {"ab|O'B"}},
      {"SELECT 'cd' AS [a'b], 'xyz' AS X", {"cd|xyz"}},
      {"SELECT 'ef' AS X, 'gh' AS Y", {"ef|gh"}},
      {"SELECT 'ij' AS X, 'kl' AS Y", {"ij|kl"}},
  };
  for (const auto& [sql, rows] : cases) EXPECT_EQ(this->Rows(sql), rows) << sql;
  for (const auto& [sql, size] :
       {std::pair("SELECT 'abc' AS X", 3L), std::pair("SELECT 'ab' AS X", 2L)}) {
    EXPECT_EQ(this->Query(sql)->FieldDefAt(0).defined_size, size) << sql;
  }
}

// A new company's rows loaded in bulk hold what the host's INSERT stores, texts that a bulk
// format would escape included, and its identities number on after the keys loaded.
TYPED_TEST_P(DataAccessCases, RowsAppendedInBulkHoldWhatAnInsertStores) {
  const std::string columns =
      " (ID INTEGER PRIMARY KEY AUTOINCREMENT, TEXTO nvarchar(40), PRECO money, QTD float, "
      "ATIVO bit, DIA datetime, CONTEUDO image);";
  this->engine_.Prepare("CREATE TABLE NOTAS" + columns + "CREATE TABLE COPIA" + columns);
  DataAccess& data = *this->data_;
  const Date day = DateFromParts({2024, 2, 29, 23, 59, 58});
  const Variant null = Variant::Null();
  for (const std::vector<Variant>& row : std::vector<std::vector<Variant>>{
           {Variant(int32_t{3}), Variant("a\\b\tc\nd\re\\N"), Variant(Currency{12345678901}),
            Variant(0.1), Variant(true), Variant(day), Variant(Bytes{0x5C, 0x00, 0x09, 0xFF})},
           {Variant(int32_t{7}), Variant("\\N"), Variant(Currency{-5}), Variant(-2.5e-7),
            Variant(false), null, null},
           {Variant(int32_t{9}), Variant(""), null, null, null, Variant(day), Variant(Bytes{})},
           {Variant(int32_t{12}), null, Variant(Currency{0}), Variant(1e300), null, null, null}}) {
    data.RunWithValues(
        "INSERT INTO NOTAS (ID, TEXTO, PRECO, QTD, ATIVO, DIA, CONTEUDO) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)",
        row);
  }
  data.AppendRows("COPIA", *this->Query("SELECT * FROM NOTAS"));
  const RecordsetPtr inserted = this->Query("SELECT * FROM NOTAS ORDER BY ID");
  const RecordsetPtr appended = this->Query("SELECT * FROM COPIA ORDER BY ID");
  ASSERT_EQ(appended->RowCountAll(), 4u);
  for (size_t row = 0; row < 4; ++row) {
    for (size_t field = 0; field < 7; ++field) {
      EXPECT_EQ(appended->ValueAt(row, field), inserted->ValueAt(row, field)) << row << field;
    }
  }
  data.RunWithValues("INSERT INTO COPIA (TEXTO) VALUES (?)", {Variant("seguinte")});
  EXPECT_EQ(this->Rows("SELECT ID FROM COPIA WHERE TEXTO = N'seguinte'"), Texts{"13"});
}

// The add-in's upgrade batches: variables, a condition on a query and a table created and then
// read in the same session, with the columns the new table has.
TYPED_TEST_P(DataAccessCases, BatchesWithVariablesConditionsAndNewTables) {
  this->engine_.Prepare(
      "INSERT INTO ARTIGOS (CODIGO, STDISP) VALUES ('A1', 2);"
      "INSERT INTO ARTIGOS (CODIGO, STDISP) VALUES ('A2', 5);");
  this->Exec(
      "DECLARE @QTT FLOAT\r\n"
      "SELECT @QTT = SUM(STDISP) FROM ARTIGOS\r\n"
      "IF (@QTT > 6) BEGIN UPDATE ARTIGOS SET NOME = N'muito' END\r\n"
      "IF (@QTT > 100) BEGIN UPDATE ARTIGOS SET NOME = N'demais' END");
  EXPECT_EQ(this->Rows("SELECT NOME FROM ARTIGOS"), (Texts{"muito", "muito"}));

  const std::string exists =
      "SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[NOTAS]') AND type in (N'U')";
  EXPECT_EQ(this->Rows(exists).size(), 0u);
  this->Exec(
      "CREATE TABLE [dbo].[NOTAS]([ID] [int] IDENTITY(1,1) NOT NULL, "
      "[TEXTO] [nvarchar](20) NULL, CONSTRAINT [PK_NOTAS] PRIMARY KEY CLUSTERED "
      "([ID] ASC) WITH (PAD_INDEX  = OFF) ON [PRIMARY]) ON [PRIMARY]");
  EXPECT_EQ(this->Rows(exists).size(), 1u);
  this->Exec("INSERT INTO NOTAS (TEXTO) VALUES (N'uma')");
  const std::string notes = "SELECT ID, TEXTO FROM NOTAS";
  EXPECT_EQ(this->Rows(notes), Texts{"1|uma"});
  EXPECT_EQ(this->Query(notes)->FieldDefAt(1).defined_size, 20);
  this->Exec("ALTER TABLE NOTAS ALTER COLUMN TEXTO nvarchar(40) NULL");
  EXPECT_EQ(this->Query(notes)->FieldDefAt(1).defined_size, 40);
  EXPECT_EQ(this->Rows(notes), Texts{"1|uma"});
}

// The detached-copy rule and the parameters upgrade decide by the type a field reports: an
// expression column reports the type SQL Server gives it, whatever the engine computes.
TYPED_TEST_P(DataAccessCases, ExpressionColumnsReportTheTypesSqlServerGives) {
  this->engine_.Prepare(
      "INSERT INTO ARTIGOS VALUES ('A1', 'Caixa', 12.5, 3, 1, '2024-01-31 10:20:30');"
      "INSERT INTO ARTIGOS VALUES ('A2', NULL, 2, 4.5, 0, NULL);");
  RecordsetPtr rows = this->Query(
      "SELECT COUNT(*) AS N, SUM(STDISP) AS S, MAX(PVPSIVA) AS M, MAX(CODIGO) AS C, "
      "CONVERT(nvarchar(19), MAX(DATAINI), 120) AS D, "
      "SUM(CASE WHEN ATIVO = 1 THEN 1 ELSE 0 END) AS A FROM ARTIGOS");
  ASSERT_EQ(rows->RecordCount(), 1);
  for (const auto& [name, type, size, value] :
       {std::tuple{"N", adInteger, 4, Variant(int32_t{2})},
        {"S", adDouble, 8, Variant(7.5)},
        {"M", adCurrency, 8, Variant(Currency{125000})},
        {"C", adVarWChar, 15, Variant("A2")},
        {"D", adVarWChar, 19, Variant("2024-01-31 10:20:30")},
        {"A", adInteger, 4, Variant(int32_t{1})}}) {
    const FieldDef& def = rows->FieldDefAt(rows->Fields(name).Index());
    EXPECT_EQ(std::tuple(def.type, def.defined_size), std::tuple(type, size)) << name;
    EXPECT_EQ(rows->Fields(name).Value(), value) << name;
  }
}

// A workstation that writes holds the company until it commits: another one waits, and beyond
// its wait hears that the company is busy, with no transaction left open.
TYPED_TEST_P(DataAccessCases, ASecondWriterWaitsAndThenHearsTheCompanyIsBusy) {
  const std::string second = "INSERT INTO ARTIGOS (CODIGO) VALUES (N'A2')";
  this->data_->BeginTransaction();
  this->Exec("INSERT INTO ARTIGOS (CODIGO) VALUES (N'A1')");
  auto other = this->Other(std::chrono::milliseconds(200));
  std::string description;
  EXPECT_EQ(this->ErrorNumberOf(
                [&] {
                  other->BeginTransaction();
                  other->ExecuteCommand("", second);
                },
                &description),
            kDatabaseError);
  EXPECT_NE(description.find("está ocupada noutro posto"), std::string::npos) << description;
  EXPECT_FALSE(other->InTransaction());

  this->data_->CommitTransaction();
  other->BeginTransaction();
  other->ExecuteCommand("", second);
  other->CommitTransaction();
  EXPECT_EQ(this->Rows("SELECT CODIGO FROM ARTIGOS ORDER BY CODIGO"), (Texts{"A1", "A2"}));
}

// A query sent again inside a transaction may be answered from the rows it gave before; it
// must still see every write made in between, by whichever member (the connection's Execute
// too), and each answer is the caller's own to change.
TYPED_TEST_P(DataAccessCases, AQueryRepeatedInATransactionSeesEveryWriteBeforeIt) {
  this->Exec("INSERT INTO ARTIGOS (CODIGO, NOME) VALUES ('A1', 'um')");
  const std::string query = "SELECT CODIGO, NOME FROM ARTIGOS ORDER BY CODIGO";
  this->data_->BeginTransaction();
  RecordsetPtr first = this->Query(query);
  first->Fields("NOME").SetValue(Variant("só em memória"));
  first->Update();
  EXPECT_EQ(this->Rows(query), Texts{"A1|um"});

  this->Exec("INSERT INTO ARTIGOS (CODIGO, NOME) VALUES (N'A2', N'dois')");
  EXPECT_EQ(this->Rows(query), (Texts{"A1|um", "A2|dois"}));
  this->data_->RunWithValues("UPDATE ARTIGOS SET NOME = ? WHERE CODIGO = ?",
                             {Variant("1"), Variant("A1")});
  EXPECT_EQ(this->Rows(query), (Texts{"A1|1", "A2|dois"}));
  RecordsetPtr edited = this->Query(query);
  edited->Fields("NOME").SetValue(Variant("guardado"));
  edited->Update();
  this->data_->SaveRecordset("", edited);
  EXPECT_EQ(this->Rows(query), (Texts{"A1|guardado", "A2|dois"}));
  RecordsetPtr immediate;
  this->data_->OpenRecordsetForUpdate("SELECT CODIGO, NOME FROM ARTIGOS WHERE CODIGO = N'A2'",
                                      immediate, 3, -1);
  immediate->Fields("NOME").SetValue(Variant("2"));
  immediate->Update();
  EXPECT_EQ(this->Rows(query), (Texts{"A1|guardado", "A2|2"}));
  std::shared_ptr<Connection> connection;
  this->data_->GetConnection(connection);
  RecordsetPtr none = connection->Execute("DELETE FROM ARTIGOS WHERE CODIGO = N'A2'");
  EXPECT_TRUE(none->IsOpen() && none->Eof());  // a statement without rows gives an empty set
  EXPECT_EQ(this->RowsOf(connection->Execute(query)), Texts{"A1|guardado"});
  this->data_->CommitTransaction();

  // Outside a transaction another workstation may write between two queries.
  auto other = this->Other();
  EXPECT_EQ(this->Rows(query), Texts{"A1|guardado"});
  other->ExecuteCommand("", "UPDATE ARTIGOS SET NOME = N'de outro posto'");
  EXPECT_EQ(this->Rows(query), Texts{"A1|de outro posto"});
}

// The import marks every reading of its sets with one UPDATE sent once per reading: inside a
// transaction a repeat may be skipped, but never once anything else ran in between.
TYPED_TEST_P(DataAccessCases, ARepeatedUpdateRunsAgainOnceAnythingElseRan) {
  this->Exec("INSERT INTO ARTIGOS (CODIGO, NOME) VALUES ('A1', 'x')");
  const std::string mark = "UPDATE ARTIGOS SET NOME = N'marcado' WHERE CODIGO = N'A1'";
  this->data_->BeginTransaction();
  this->Exec(mark);
  this->Exec(mark);  // nothing to do: the row is marked already
  this->Exec("UPDATE ARTIGOS SET NOME = N'y' WHERE CODIGO = N'A1'");
  this->Exec(mark);
  RecordsetPtr rows = this->Query("SELECT CODIGO, NOME FROM ARTIGOS");
  EXPECT_EQ(rows->Fields("NOME").Value(), Variant("marcado"));
  rows->Fields("NOME").SetValue(Variant("z"));
  rows->Update();
  this->data_->SaveRecordset("", rows);
  this->Exec(mark);
  this->data_->CommitTransaction();
  EXPECT_EQ(this->Rows("SELECT NOME FROM ARTIGOS"), Texts{"marcado"});
}

// The terminals add readings while an import runs, outside any transaction. The import must
// neither see them half way nor mark them with the rest: they stay as they came, for the next
// import. Whether the terminal waits for the import or writes beside it is the engine's affair.
TYPED_TEST_P(DataAccessCases, RowsAddedElsewhereDuringATransactionAreLeftAsTheyCame) {
  this->Exec("INSERT INTO ARTIGOS (CODIGO, ATIVO) VALUES ('A1', 0)");
  const std::string count = "SELECT COUNT(*) AS N FROM ARTIGOS";
  this->data_->BeginTransaction();
  EXPECT_EQ(this->Rows(count), Texts{"1"});
  auto terminal = this->Other();
  auto added = std::async(std::launch::async, [&] {
    terminal->ExecuteCommand("", "INSERT INTO ARTIGOS (CODIGO, ATIVO) VALUES (N'A2', 0)");
  });
  // Long enough for a terminal that writes beside the transaction to have committed.
  added.wait_for(std::chrono::milliseconds(300));
  EXPECT_EQ(this->Rows(count), Texts{"1"});
  this->Exec("UPDATE ARTIGOS SET ATIVO = 1");
  this->data_->CommitTransaction();
  added.get();
  EXPECT_EQ(this->Rows("SELECT CODIGO, ATIVO FROM ARTIGOS ORDER BY CODIGO"),
            (Texts{"A1|True", "A2|False"}));
}

// A count's document lines are its readings' groups, in the order the grouped query gives them:
// the order of the groups, however the engine chooses to group many rows. Rows read without
// grouping or order come in the table's key order (codes written in another), whatever the
// query calls its columns.
TYPED_TEST_P(DataAccessCases, RowsComeInTheOrderOfTheirGroupsOrOfTheirKey) {
  constexpr int kRows = 3000;
  constexpr int kGroups = 700;
  std::string insert;
  std::map<std::string, std::string> by_code;  // each code's row: "name|code"
  for (int i = 0; i < kRows; ++i) {
    const std::string code = "A" + std::to_string(i);
    const std::string name = "N" + std::to_string(1000 + i * 7919 % kGroups);
    by_code[code] = name + "|" + code;
    insert += std::string(i % 500 == 0 ? ";INSERT INTO ARTIGOS (CODIGO, NOME) VALUES " : ",") +
              "('" + code + "', '" + name + "')";
  }
  this->engine_.Prepare(insert.substr(1) + ";");
  Texts groups, rows;
  for (int group = 0; group < kGroups; ++group)
    groups.push_back("N" + std::to_string(1000 + group));
  EXPECT_EQ(this->Rows("SELECT NOME FROM ARTIGOS GROUP BY NOME"), groups);
  for (const auto& [code, row] : by_code) rows.push_back(row);
  EXPECT_EQ(this->Rows("SELECT NOME AS CODIGO, CODIGO AS C FROM ARTIGOS"), rows);
  // Rows an ORDER BY ties on come in key order too.
  std::set<std::string> by_name;
  for (const auto& [code, row] : by_code) by_name.insert(row);
  EXPECT_EQ(this->Rows("SELECT NOME, CODIGO FROM ARTIGOS ORDER BY NOME"),
            Texts(by_name.begin(), by_name.end()));
}

REGISTER_TYPED_TEST_SUITE_P(
    DataAccessCases, OnlyTheCompanyOpensAndMembersRaiseWhenItIsClosed,
    FailingStatementNamesItselfAndTheEnginesReason, QuotesDoubledInsideALiteralReachTheTable,
    TextsCompareByTheCompanysRule, FieldsReportTypesKeysNamesAndValuesAsTheServer,
    NestedTransactionsCommitOnlyWithTheOutermost, AFailedCommitUndoesItsLevelAndLetsTheCompanyGo,
    SaveRecordsetWritesChangedAndNewRowsOrNothing, OpenForUpdateWritesAtOnceAndReadsTheIdentityBack,
    ValuesStandForTheMarkersOfOneText, TextsDifferingOnlyInLiteralsReadTheirOwn,
    RowsAppendedInBulkHoldWhatAnInsertStores, BatchesWithVariablesConditionsAndNewTables,
    ExpressionColumnsReportTheTypesSqlServerGives, ASecondWriterWaitsAndThenHearsTheCompanyIsBusy,
    AQueryRepeatedInATransactionSeesEveryWriteBeforeIt, ARepeatedUpdateRunsAgainOnceAnythingElseRan,
    RowsAddedElsewhereDuringATransactionAreLeftAsTheyCame,
    RowsComeInTheOrderOfTheirGroupsOrOfTheirKey);

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_DATA_ACCESS_CASES_H_
