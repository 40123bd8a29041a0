#ifndef PELLORA_TESTS_COMPANY_ENGINE_H_
#define PELLORA_TESTS_COMPANY_ENGINE_H_

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "interfaces/data_access.h"
#include "platform/session/statement_observer.h"

namespace pellora::testing {

// Where a test's company database lies: a file on SQLite or a database of the test program's
// PostgreSQL cluster. Each test program links one engine, so one list of cases runs on both.
// Rows are written and read outside the objects under test, in SQL both engines read.
class CompanyEngine {
 public:
  virtual ~CompanyEngine() = default;

  const std::string& company() const { return company_; }

  // Makes the empty database; `pellora demo` makes its own instead.
  virtual void Create() = 0;
  // Runs statements in the company schema's syntax, in one transaction.
  virtual void Exec(const std::string& sql) = 0;
  // The rows of a query, each row's columns joined by "|" (NULL as "NULL"), as the engine writes
  // them.
  virtual std::vector<std::string> Rows(const std::string& sql) = 0;
  // The Data Source of the company's connection string: the folder or the server's address.
  virtual std::string Server() const = 0;
  std::string ConnectionString() const {
    return "Data Source=" + Server() + ";Initial Catalog=" + company_;
  }
  // A data-access object of the engine, not opened yet; `observer`, when given, watches its
  // statements.
  virtual std::shared_ptr<DataAccess> NewDataAccess(
      session::StatementObserverPtr observer = nullptr) const = 0;
  // A data-access object opened on the company; a failure to open fails the test.
  std::shared_ptr<DataAccess> Connect(session::StatementObserverPtr observer = nullptr) const {
    std::shared_ptr<DataAccess> data = NewDataAccess(std::move(observer));
    if (!data->OpenConnection(ConnectionString())) ADD_FAILURE() << "cannot open " << company_;
    return data;
  }
  // Every row of every table, table by table, each table's name before its rows; columns named
  // in `left_out` (lower case) are not shown.
  virtual std::vector<std::string> Snapshot(const std::set<std::string>& left_out = {}) = 0;
  // Replaces the company's database with a copy of `source`'s, which nobody may have open.
  virtual void ReplaceWith(const CompanyEngine& source) = 0;
  // The options of `pellora demo` that create the company on this engine.
  virtual std::string DemoOptions() const = 0;

 protected:
  explicit CompanyEngine(std::string company) : company_(std::move(company)) {}

 private:
  std::string company_;
};

// Company `company` of the engine this test program links, its files (if any) in `folder`.
std::unique_ptr<CompanyEngine> MakeCompanyEngine(const std::filesystem::path& folder,
                                                 const std::string& company);

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_COMPANY_ENGINE_H_
