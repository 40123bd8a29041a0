#ifndef PELLORA_APP_DEMO_COMPANY_H_
#define PELLORA_APP_DEMO_COMPANY_H_

#include <filesystem>
#include <optional>
#include <string>

namespace pellora::app {

struct DemoOptions {
  std::string dir;               // folder of the company databases
  std::string company = "DEMO";  // company code: database DIR/<company>.db
  int readings = 300;            // pending readings to generate
  unsigned seed = 1;             // the same seed (and day) gives the same content
  // Only readings of this movement kind (I, A, T, E or S: one large count, or entries and exits
  // read against orders) instead of the mixed sets of a working week.
  std::optional<char> kind = std::nullopt;
};

// Creates a demo company of a Portuguese wholesaler: the configuration file
// DIR/orudados/PICKING.<company> and the company database DIR/<company>.db, with catalogues,
// stock, open orders, the add-in's parameters and pending reading sets of every movement kind.
// Dates are relative to today's date from the injected clock. Raises UsageError when the
// options cannot make a company or it exists already, pellora::Error when a file cannot be
// written; nothing is left behind then.
void CreateDemoCompany(const DemoOptions& options);

// Raises UsageError when `options` cannot make a company: a company code that is not plain
// letters, digits, "_" or "-", no folder, a negative number of readings.
void CheckDemoOptions(const DemoOptions& options);

// Writes the demo content into a new SQLite company database `path`, in one transaction.
void BuildDemoDatabase(const std::filesystem::path& path, const DemoOptions& options);

}  // namespace pellora::app

#endif  // PELLORA_APP_DEMO_COMPANY_H_
