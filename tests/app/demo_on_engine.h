#ifndef PELLORA_TESTS_APP_DEMO_ON_ENGINE_H_
#define PELLORA_TESTS_APP_DEMO_ON_ENGINE_H_

#include <memory>
#include <string>
#include <vector>

#include "tests/app/pellora_process.h"
#include "tests/company_engine.h"
#include "tests/company_snapshot.h"
#include "tests/stock_agreement.h"

namespace pellora::app {

// A demo company that `pellora demo` makes on the test program's engine: its configuration file
// in `folder`, its database a file there or a database of the program's cluster. Companies that
// live at once need codes of their own: the cluster is one server.
class DemoOnEngine {
 public:
  explicit DemoOnEngine(std::string folder, std::string code = "DEMO")
      : folder_(std::move(folder)), engine_(testing::MakeCompanyEngine(folder_, code)) {}

  // `pellora demo` with `more` options.
  Outcome Create(const std::string& more = "") const {
    return Run("demo " + engine_->DemoOptions() + " " + more);
  }
  // The options that open the company.
  std::string Options() const {
    return "--dir '" + folder_ + "' --company " + engine_->company() + " ";
  }
  // `pellora ARGS` on the company.
  Outcome Run(const std::string& args) const { return Pellora(Options() + args); }
  std::vector<std::string> Sets(const std::string& kind, const std::string& more = "") const {
    return PendingSets(Options(), kind, more);
  }

  std::vector<std::string> Rows(const std::string& sql) const { return engine_->Rows(sql); }
  std::string Value(const std::string& sql) const {
    const std::vector<std::string> rows = Rows(sql);
    return rows.empty() ? "" : rows.front();
  }
  void Exec(const std::string& sql) const { engine_->Exec(sql); }
  // The whole company but the moments work was done, which differ between two runs.
  std::vector<std::string> Snapshot() const { return engine_->Snapshot(testing::kMomentColumns); }
  std::vector<std::string> StockDisagreements() const {
    return testing::StockDisagreements([this](const std::string& sql) { return Rows(sql); });
  }
  testing::CompanyEngine& engine() const { return *engine_; }
  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
  std::unique_ptr<testing::CompanyEngine> engine_;
};

}  // namespace pellora::app

#endif  // PELLORA_TESTS_APP_DEMO_ON_ENGINE_H_
