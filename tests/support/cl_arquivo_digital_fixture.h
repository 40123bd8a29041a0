#ifndef PELLORA_TESTS_SUPPORT_CL_ARQUIVO_DIGITAL_FIXTURE_H_
#define PELLORA_TESTS_SUPPORT_CL_ARQUIVO_DIGITAL_FIXTURE_H_

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "interfaces/dialogs.h"
#include "interfaces/shell.h"
#include "platform/sqlite/sqlite_data_access.h"
#include "runtime/convert.h"
#include "support/cl_arquivo_digital.h"
#include "tests/company_database.h"
#include "tests/temp_folder.h"

namespace pellora::testing {

// Input boxes answer from a script (then "" as a cancel); every box is recorded.
class ScriptedDialogs : public Dialogs {
 public:
  std::deque<std::string> answers;
  std::vector<std::string> messages;  // "[title] prompt" of each box, in order

  int MsgBox(const std::string& prompt, int, const std::string& title) override {
    messages.push_back("[" + title + "] " + prompt);
    return vbOK;
  }
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string&) override {
    messages.push_back("[" + title + "] " + prompt);
    if (answers.empty()) return "";
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// Records the files it is asked to open.
class RecordingShell : public Shell {
 public:
  std::vector<std::string> opened;
  long Open(const std::string& file) override {
    opened.push_back(file);
    return 42;
  }
};

// A company database built from schema/company.sql with two languages, and an archive object on
// it through the SQLite data access.
class ArquivoDigitalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string setup = "BEGIN;" + CompanySchemaText() +
                              ";INSERT INTO IDIOMAS VALUES ('PT', 'Português');"
                              "INSERT INTO IDIOMAS VALUES ('EN', 'Inglês');COMMIT;";
    EXPECT_EQ(RunSqlOnFile(folder_.File("EMPRESA.db"), setup), "");
    ASSERT_TRUE(bd_->OpenConnection(ConnectionStringFor(folder_.path(), "EMPRESA")));
    arquivo_.Setbd(bd_);
  }

  // A file of the test folder with `content`; its full path.
  std::string Ficheiro(const std::string& name, const std::string& content) const {
    TempFolder::Write(folder_.File(name), content);
    return folder_.File(name);
  }

  // The first column of the first row as text; "" when there is no row.
  std::string Valor(const std::string& sql) {
    RecordsetPtr rows;
    bd_->OpenRecordset("", sql, rows, true, 0);
    return rows->Eof() ? "" : Concat(rows->Fields(size_t{0}).Value(), "");
  }
  std::string Contar(const std::string& table) { return Valor("SELECT COUNT(*) FROM " + table); }

  TempFolder folder_;
  std::shared_ptr<sqlite::SqliteDataAccess> bd_ = std::make_shared<sqlite::SqliteDataAccess>();
  std::shared_ptr<ScriptedDialogs> dialogs_ = std::make_shared<ScriptedDialogs>();
  std::shared_ptr<RecordingShell> shell_ = std::make_shared<RecordingShell>();
  Cl_ArquivoDigital arquivo_{dialogs_, shell_};
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_SUPPORT_CL_ARQUIVO_DIGITAL_FIXTURE_H_
