#ifndef PELLORA_INTERFACES_FORWARDING_DATA_ACCESS_H_
#define PELLORA_INTERFACES_FORWARDING_DATA_ACCESS_H_

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "interfaces/data_access.h"

namespace pellora {

// A data-access object that passes every call on to another, its target: the base of those that
// add something around an engine's (choosing it, tracing, recording). A member overridden does
// its part and calls this one.
class ForwardingDataAccess : public DataAccess {
 public:
  explicit ForwardingDataAccess(DataAccessPtr target = nullptr) : target_(std::move(target)) {}

  void BeginTransaction() override { Target().BeginTransaction(); }
  bool CloseConnection() override { return !target_ || target_->CloseConnection(); }
  void CommitTransaction() override { Target().CommitTransaction(); }
  bool ExecuteCommand(const std::string& context, const std::string& sql) override {
    return Target().ExecuteCommand(context, sql);
  }
  RecordsetPtr RunWithValues(const std::string& sql, const std::vector<Variant>& values) override {
    return Target().RunWithValues(sql, values);
  }
  void RunAllWithValues(const std::vector<ValuedStatement>& statements) override {
    Target().RunAllWithValues(statements);
  }
  void AppendRows(const std::string& table, const Recordset& rows) override {
    Target().AppendRows(table, rows);
  }
  bool OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr& recordset, int cursor_type,
                              int lock_type) override {
    return Target().OpenRecordsetForUpdate(sql, recordset, cursor_type, lock_type);
  }
  bool OpenRecordset(const std::string& context, const std::string& sql, RecordsetPtr& recordset,
                     bool client_cursor, int options) override {
    return Target().OpenRecordset(context, sql, recordset, client_cursor, options);
  }
  bool InTransaction() override { return Target().InTransaction(); }
  bool OpenConnection(const std::string& connection_string) override {
    return Target().OpenConnection(connection_string);
  }
  bool SaveRecordset(const std::string& context, RecordsetPtr& recordset) override {
    return Target().SaveRecordset(context, recordset);
  }
  void RollbackTransaction() override { Target().RollbackTransaction(); }
  void GetConnection(std::shared_ptr<Connection>& connection) override {
    Target().GetConnection(connection);
  }

  const DataAccessPtr& target() const { return target_; }
  void SetTarget(DataAccessPtr target) { target_ = std::move(target); }

 protected:
  // The object calls go to; the not-open error while there is none.
  DataAccess& Target() const {
    if (!target_) RaiseNotOpen("Pellora");
    return *target_;
  }

 private:
  DataAccessPtr target_;
};

}  // namespace pellora

#endif  // PELLORA_INTERFACES_FORWARDING_DATA_ACCESS_H_
