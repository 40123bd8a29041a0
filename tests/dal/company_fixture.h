#ifndef PELLORA_TESTS_DAL_COMPANY_FIXTURE_H_
#define PELLORA_TESTS_DAL_COMPANY_FIXTURE_H_

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dal/context.h"
#include "dal/definitions.h"
#include "runtime/text.h"
#include "tests/company_database.h"
#include "tests/company_engine.h"
#include "tests/dal/recording_data_access.h"
#include "tests/plain_number.h"
#include "tests/temp_folder.h"

namespace pellora::testing {

// A fresh company database built from schema/company.sql on the test program's engine, opened
// through that engine's data-access object, which is the test's context's gDataAccess behind a
// recorder.
// `Exec` and `Text` reach the company directly, for arranging rows and checking what changed.
class CompanyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_ = MakeCompanyEngine(folder_.path(), "EMPRESA");
    engine_->Create();
    Exec(CompanySchemaText());
    recorder_ = std::make_shared<RecordingDataAccess>();
    recorder_->SetTarget(engine_->Connect());
    DataAccessSet(recorder_);
  }

  void TearDown() override {
    if (recorder_ && recorder_->target()) recorder_->target()->CloseConnection();
  }

  // Runs statements in the company schema's syntax, in one transaction.
  void Exec(const std::string& sql) { engine_->Exec(sql); }

  // The first column of the first row as text, numbers plain ("NULL" for NULL, "" for no row).
  std::string Text(const std::string& sql) {
    const std::vector<std::string> rows = engine_->Rows(sql);
    return rows.empty() ? "" : PlainNumber(rows.front().substr(0, rows.front().find('|')));
  }

  // A pending reading of `terminal` / `sync` in warehouse W1 with own lot `lot` (SQL text);
  // `columns` (", A, B") and `values` (", 1, 2") set further columns.
  void Reading(const std::string& terminal, const std::string& sync, int line,
               const std::string& article, double quantity, const std::string& columns = "",
               const std::string& values = "", const std::string& lot = "'L1'") {
    Exec(
        "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, NumeroLinha, "
        "TipoMov, Artigo, Unidade, Armazem, NumeroSerie, NossoLote, VossoLote, Quantidade, "
        "Ordenaca" +
        columns + ") VALUES ('" + terminal + "', '" + sync + "', '20240102103015', " +
        std::to_string(line) + ", 'A', '" + QuoteEscape(article) + "', 'UN', 'W1', '', " + lot +
        ", '', " + std::to_string(quantity) + ", " + std::to_string(100 - line) + values + ")");
  }

  RecordingDataAccess& recorder() { return *recorder_; }

 private:
  ContextScope context_;
  TempFolder folder_;
  std::unique_ptr<CompanyEngine> engine_;
  std::shared_ptr<RecordingDataAccess> recorder_;
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_DAL_COMPANY_FIXTURE_H_
