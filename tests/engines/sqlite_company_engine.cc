// The company of the SQLite test programs: the file <company>.db in the test's folder.
#include <gtest/gtest.h>

#include "platform/sqlite/sqlite_data_access.h"
#include "tests/company_database.h"
#include "tests/company_engine.h"
#include "tests/company_snapshot.h"

namespace pellora::testing {
namespace {

namespace fs = std::filesystem;

class SqliteCompanyEngine : public CompanyEngine {
 public:
  SqliteCompanyEngine(fs::path folder, const std::string& company)
      : CompanyEngine(company), folder_(std::move(folder)) {}

  fs::path File() const { return folder_ / (company() + ".db"); }

  void Create() override { EXPECT_EQ(RunSqlOnFile(File(), ""), ""); }
  void Exec(const std::string& sql) override {
    EXPECT_EQ(RunSqlOnFile(File(), "BEGIN;" + sql + ";COMMIT;"), "") << sql;
  }
  std::vector<std::string> Rows(const std::string& sql) override { return RowsOnFile(File(), sql); }
  std::string Server() const override { return folder_.string(); }
  std::shared_ptr<DataAccess> NewDataAccess(session::StatementObserverPtr observer) const override {
    return std::make_shared<sqlite::SqliteDataAccess>(sqlite::kDefaultBusyTimeout,
                                                      std::move(observer));
  }
  std::vector<std::string> Snapshot(const std::set<std::string>& left_out) override {
    return CompanySnapshot(File(), left_out);
  }
  void ReplaceWith(const CompanyEngine& source) override {
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(File().string() + suffix);
    fs::copy_file(static_cast<const SqliteCompanyEngine&>(source).File(), File());
  }
  std::string DemoOptions() const override { return ""; }

 private:
  fs::path folder_;
};

}  // namespace

std::unique_ptr<CompanyEngine> MakeCompanyEngine(const fs::path& folder,
                                                 const std::string& company) {
  return std::make_unique<SqliteCompanyEngine>(folder, company);
}

}  // namespace pellora::testing
