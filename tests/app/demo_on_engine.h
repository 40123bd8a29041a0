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

 private:
  std::string folder_;
  std::unique_ptr<testing::CompanyEngine> engine_;
};

// The condition that selects the readings of `sets`.
inline std::string InSets(const std::vector<std::string>& sets) {
  std::string list;
  for (const std::string& set : sets) list += (list.empty() ? "'" : ", '") + set + "'";
  return "TerminalId || '|' || DataSync IN (" + list + ")";
}

// " --OPTION 'SET'" for each of `sets`.
inline std::string Picks(const std::vector<std::string>& sets, const std::string& option) {
  std::string picks;
  for (const std::string& set : sets) picks += " --" + option + " '" + set + "'";
  return picks;
}

inline void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace pellora::app

#endif  // PELLORA_TESTS_APP_DEMO_ON_ENGINE_H_
