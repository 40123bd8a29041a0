#ifndef PELLORA_TESTS_IMPORTACAO_SCRIPTED_DATA_ACCESS_H_
#define PELLORA_TESTS_IMPORTACAO_SCRIPTED_DATA_ACCESS_H_

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dal/context.h"
#include "interfaces/data_access.h"
#include "runtime/error.h"
#include "runtime/recordset.h"

namespace pellora::testing {

// A data access that answers each query by what it names rather than by call order: the first
// rule whose text occurs in the SQL gives the recordset (an empty one when no rule matches).
// Every call is logged as "Member" or "Member: sql". A failure can be planted on the first call
// whose log entry contains a text.
class ScriptedDataAccess : public DataAccess {
 public:
  std::vector<std::pair<std::string, RecordsetPtr>> rules;
  std::vector<std::string> log;
  std::optional<Error> failure;
  std::string fail_on;
  RecordsetPtr saved;

  // Answers queries that contain `sql_part` with `recordset` (replacing an earlier answer).
  void Answer(const std::string& sql_part, RecordsetPtr recordset) {
    for (auto& [part, answer] : rules) {
      if (part == sql_part) {
        answer = std::move(recordset);
        return;
      }
    }
    rules.emplace_back(sql_part, std::move(recordset));
  }
  // The logged calls whose entry contains `part`.
  std::vector<std::string> CallsWith(const std::string& part) const {
    std::vector<std::string> found;
    for (const std::string& entry : log) {
      if (entry.find(part) != std::string::npos) found.push_back(entry);
    }
    return found;
  }

  void BeginTransaction() override { Record("BeginTransaction"); }
  bool CloseConnection() override { return Record("CloseConnection"); }
  void CommitTransaction() override { Record("CommitTransaction"); }
  bool ExecuteCommand(const std::string&, const std::string& sql) override {
    return Record("ExecuteCommand: " + sql);
  }
  bool OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr&, int, int) override {
    return Record("OpenRecordsetForUpdate: " + sql);
  }
  RecordsetPtr RunWithValues(const std::string& sql, const std::vector<Variant>&) override {
    Record("RunWithValues: " + sql);
    auto rows = std::make_shared<Recordset>();
    rows->Open();
    return rows;
  }
  bool OpenRecordset(const std::string&, const std::string& sql, RecordsetPtr& recordset, bool,
                     int) override {
    Record("OpenRecordset: " + sql);
    for (const auto& [part, answer] : rules) {
      if (sql.find(part) != std::string::npos) {
        answer->SetFilter("");
        recordset = answer;
        return true;
      }
    }
    recordset = std::make_shared<Recordset>();
    recordset->AppendField("Nada", adInteger);
    recordset->Open();
    return true;
  }
  bool InTransaction() override { return false; }
  bool OpenConnection(const std::string&) override { return true; }
  bool SaveRecordset(const std::string&, RecordsetPtr& recordset) override {
    saved = recordset;
    return Record("SaveRecordset");
  }
  void RollbackTransaction() override { Record("RollbackTransaction"); }
  void GetConnection(std::shared_ptr<Connection>&) override { Record("GetConnection"); }

 private:
  bool Record(std::string entry) {
    const bool fails = failure && entry.find(fail_on) != std::string::npos;
    log.push_back(std::move(entry));
    if (fails) {
      Error error = *failure;
      failure.reset();
      throw error;
    }
    return true;
  }
};

// A context whose data access is a fresh ScriptedDataAccess, for one test.
class ScriptedScope {
 public:
  ScriptedDataAccess* operator->() { return data_.get(); }
  ScriptedDataAccess& operator*() { return *data_; }

 private:
  std::shared_ptr<ScriptedDataAccess> data_ = std::make_shared<ScriptedDataAccess>();
  ContextScope context_{{.data_access = data_}};
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_IMPORTACAO_SCRIPTED_DATA_ACCESS_H_
