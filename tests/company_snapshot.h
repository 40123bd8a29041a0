#ifndef PELLORA_TESTS_COMPANY_SNAPSHOT_H_
#define PELLORA_TESTS_COMPANY_SNAPSHOT_H_

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/company_database.h"

namespace pellora::testing {

// The columns that hold the moment a document was made, changed or is to be loaded: two runs of
// the same work a few seconds apart differ only there.
inline const std::set<std::string> kMomentColumns = {"datenew", "hournew", "dateupd", "hourupd",
                                                     "horacg"};

// Every row of every table of a company database file, table by table in name order, each
// table's name before its rows; columns named in `left_out` (lower case) are not shown.
inline std::vector<std::string> CompanySnapshot(const std::filesystem::path& company_file,
                                                const std::set<std::string>& left_out = {}) {
  return ReadFile(company_file, [&](sqlite3* db) {
    std::vector<std::string> snapshot;
    for (const std::string& table :
         RowsOf(db,
                "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' "
                "ORDER BY name")) {
      std::string columns;
      for (const std::string& column :
           RowsOf(db, "SELECT lower(name) FROM pragma_table_info('" + table + "')")) {
        if (!left_out.count(column)) columns += (columns.empty() ? "\"" : ", \"") + column + "\"";
      }
      snapshot.push_back(table);
      for (const std::string& row :
           RowsOf(db, "SELECT " + columns + " FROM \"" + table + "\" ORDER BY rowid")) {
        snapshot.push_back(row);
      }
    }
    return snapshot;
  });
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_COMPANY_SNAPSHOT_H_
