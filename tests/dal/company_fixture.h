#ifndef PELLORA_TESTS_DAL_COMPANY_FIXTURE_H_
#define PELLORA_TESTS_DAL_COMPANY_FIXTURE_H_

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>

#include "dal/definitions.h"
#include "platform/sqlite/sqlite_data_access.h"
#include "tests/company_database.h"
#include "tests/dal/recording_data_access.h"
#include "tests/temp_folder.h"

namespace pellora::testing {

// A fresh company database in a temporary folder, built from schema/company.sql and opened
// through the SQLite data-access object, which is installed as gDataAccess behind a recorder.
// `Exec` and `Text` reach the file directly, for arranging rows and checking what changed.
class CompanyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sqlite3_open(folder_.File("EMPRESA.db").c_str(), &db_), SQLITE_OK);
    Exec("BEGIN;" + CompanySchemaText() + ";COMMIT;");

    auto sqlite = std::make_shared<sqlite::SqliteDataAccess>();
    ASSERT_TRUE(sqlite->OpenConnection(ConnectionStringFor(folder_.path(), "EMPRESA")));
    recorder_ = std::make_shared<RecordingDataAccess>();
    recorder_->inner = sqlite;
    DataAccessPtr shared = recorder_;
    DataAccessSet(shared);
  }

  void TearDown() override {
    if (recorder_ && recorder_->inner) recorder_->inner->CloseConnection();
    gDataAccess.reset();
    recorder_.reset();
    sqlite3_close(db_);
  }

  void Exec(const std::string& sql) {
    EXPECT_EQ(RunSqlOnFile(folder_.File("EMPRESA.db"), sql), "") << sql;
  }

  // The first column of the first row as text ("NULL" for NULL, "" for no row).
  std::string Text(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << sqlite3_errmsg(db_) << "\n" << sql;
      return "";
    }
    std::string value;
    if (sqlite3_step(statement) == SQLITE_ROW) {
      const unsigned char* text = sqlite3_column_text(statement, 0);
      value = text ? reinterpret_cast<const char*>(text) : "NULL";
    }
    sqlite3_finalize(statement);
    return value;
  }

  // A pending reading of `terminal` / `sync` in warehouse W1 with own lot `lot` (SQL text);
  // `columns` (", A, B") and `values` (", 1, 2") set further columns.
  void Reading(const std::string& terminal, const std::string& sync, int line,
               const std::string& article, double quantity, const std::string& columns = "",
               const std::string& values = "", const std::string& lot = "'L1'") {
    std::string quoted_article;
    for (char c : article) quoted_article += c == '\'' ? std::string("''") : std::string(1, c);
    Exec(
        "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, NumeroLinha, "
        "TipoMov, Artigo, Unidade, Armazem, NumeroSerie, NossoLote, VossoLote, Quantidade, "
        "Ordenaca" +
        columns + ") VALUES ('" + terminal + "', '" + sync + "', '20240102103015', " +
        std::to_string(line) + ", 'A', '" + quoted_article + "', 'UN', 'W1', '', " + lot +
        ", '', " + std::to_string(quantity) + ", " + std::to_string(100 - line) + values + ")");
  }

  RecordingDataAccess& recorder() { return *recorder_; }

 private:
  TempFolder folder_;
  sqlite3* db_ = nullptr;
  std::shared_ptr<RecordingDataAccess> recorder_;
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_DAL_COMPANY_FIXTURE_H_
