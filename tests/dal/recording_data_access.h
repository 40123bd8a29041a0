#ifndef PELLORA_TESTS_DAL_RECORDING_DATA_ACCESS_H_
#define PELLORA_TESTS_DAL_RECORDING_DATA_ACCESS_H_

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dal/context.h"
#include "dal/definitions.h"
#include "interfaces/forwarding_data_access.h"
#include "runtime/error.h"
#include "runtime/recordset.h"

namespace pellora::testing {

// Records the calls the operations make to read and write (OpenRecordset, ExecuteCommand) as
// (member, sql). With a target set it passes them on to it; without, it answers OpenRecordset
// with the canned recordsets in the order they were queued (an empty, open recordset once the
// queue is empty). `fail_with` makes the next call raise that error (the next call whose
// "member: sql" contains `fail_on`, when set).
class RecordingDataAccess : public ForwardingDataAccess {
 public:
  struct Call {
    std::string member;
    std::string sql;
  };

  std::vector<Call> calls;
  std::deque<RecordsetPtr> answers;
  std::optional<Error> fail_with;
  std::string fail_on;

  // The calls, as "member: sql", that contain `part`.
  std::vector<std::string> CallsWith(const std::string& part) const {
    std::vector<std::string> found;
    for (const Call& call : calls) {
      if (const std::string entry = Entry(call); entry.find(part) != std::string::npos)
        found.push_back(entry);
    }
    return found;
  }

  bool ExecuteCommand(const std::string& context, const std::string& sql) override {
    Record("ExecuteCommand", sql);
    return target() ? ForwardingDataAccess::ExecuteCommand(context, sql) : true;
  }
  bool OpenRecordset(const std::string& context, const std::string& sql, RecordsetPtr& recordset,
                     bool client_cursor, int options) override {
    // The add-in always asks for a client cursor with no options, context or reference.
    const bool expected = context.empty() && client_cursor && options == 0 && !recordset;
    Record(expected ? "OpenRecordset" : "OpenRecordset(unexpected)", sql);
    if (target())
      return ForwardingDataAccess::OpenRecordset(context, sql, recordset, client_cursor, options);
    if (answers.empty()) {
      recordset = std::make_shared<Recordset>();
      recordset->AppendField("Nada", adInteger);
      recordset->Open();
    } else {
      recordset = answers.front();
      answers.pop_front();
    }
    return true;
  }

 private:
  static std::string Entry(const Call& call) { return call.member + ": " + call.sql; }
  void Record(std::string member, std::string sql) {
    calls.push_back({std::move(member), std::move(sql)});
    if (fail_with && Entry(calls.back()).find(fail_on) != std::string::npos) {
      Error error = *fail_with;
      fail_with.reset();
      throw error;
    }
  }
};

// A context whose data access is a fresh RecordingDataAccess, for one test.
class RecordingScope {
 public:
  RecordingDataAccess& operator*() { return *recorder_; }
  RecordingDataAccess* operator->() { return recorder_.get(); }

 private:
  std::shared_ptr<RecordingDataAccess> recorder_ = std::make_shared<RecordingDataAccess>();
  ContextScope context_{{.data_access = recorder_}};
};

struct TestField {
  std::string name;
  int type;
  long size = 0;
};

// A fabricated, open recordset with the given fields and rows, on its first row.
inline RecordsetPtr MakeRecordset(const std::vector<TestField>& fields,
                                  const std::vector<std::vector<Variant>>& rows) {
  auto recordset = std::make_shared<Recordset>();
  for (const TestField& field : fields)
    recordset->AppendField(field.name, field.type, field.size, adFldIsNullable);
  for (const auto& row : rows) recordset->LoadRow(row);
  recordset->Open();
  return recordset;
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_DAL_RECORDING_DATA_ACCESS_H_
