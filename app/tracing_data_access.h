#ifndef PELLORA_APP_TRACING_DATA_ACCESS_H_
#define PELLORA_APP_TRACING_DATA_ACCESS_H_

#include <memory>
#include <string>

#include "interfaces/forwarding_data_access.h"

namespace pellora::app {

// Appends one JSON line per SQL text to a file.
class SqlTrace {
 public:
  explicit SqlTrace(std::string path) : path_(std::move(path)) {}
  // One line of JSON: the member, the SQL text and, when given, the values of its "?" markers.
  void Record(const std::string& member, const std::string& sql,
              const std::vector<Variant>* values = nullptr);
  // One line of JSON {"detail": ...}: the technical detail of a failure the operator was told of.
  void RecordDetail(const std::string& detail);

 private:
  // Appends the object whose members are `members` as one line.
  void Append(const std::string& members);

  std::string path_;
};

// A data-access object that records every SQL text it is given, and every text run on a
// connection obtained from it, before passing the call on.
class TracingDataAccess : public ForwardingDataAccess {
 public:
  TracingDataAccess(DataAccessPtr inner, std::shared_ptr<SqlTrace> trace)
      : ForwardingDataAccess(std::move(inner)), trace_(std::move(trace)) {}

  bool ExecuteCommand(const std::string& context, const std::string& sql) override;
  RecordsetPtr RunWithValues(const std::string& sql, const std::vector<Variant>& values) override;
  void RunAllWithValues(const std::vector<ValuedStatement>& statements) override;
  bool OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr& recordset, int cursor_type,
                              int lock_type) override;
  bool OpenRecordset(const std::string& context, const std::string& sql, RecordsetPtr& recordset,
                     bool client_cursor, int options) override;
  void GetConnection(std::shared_ptr<Connection>& connection) override;

 private:
  std::shared_ptr<SqlTrace> trace_;
};

}  // namespace pellora::app

#endif  // PELLORA_APP_TRACING_DATA_ACCESS_H_
