#include "app/tracing_data_access.h"

#include <cstdio>
#include <fstream>

#include "runtime/convert.h"
#include "runtime/error.h"

namespace pellora::app {
namespace {

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

class TracingConnection : public Connection {
 public:
  TracingConnection(std::shared_ptr<Connection> inner, std::shared_ptr<SqlTrace> trace)
      : inner_(std::move(inner)), trace_(std::move(trace)) {}

  RecordsetPtr Execute(const std::string& sql) override {
    trace_->Record("Connection.Execute", sql);
    return inner_->Execute(sql);
  }

 private:
  std::shared_ptr<Connection> inner_;
  std::shared_ptr<SqlTrace> trace_;
};

}  // namespace

void SqlTrace::Record(const std::string& member, const std::string& sql,
                      const std::vector<Variant>* values) {
  std::string members = "\"member\": " + JsonString(member) + ", \"sql\": " + JsonString(sql);
  if (values != nullptr) {
    members += ", \"values\": [";
    for (size_t i = 0; i < values->size(); ++i) {
      const Variant& value = (*values)[i];
      members += (i == 0 ? "" : ", ") + (value.IsNull() ? "null" : JsonString(CStr(value)));
    }
    members += "]";
  }
  Append(members);
}

void SqlTrace::RecordDetail(const std::string& detail) {
  Append("\"detail\": " + JsonString(detail));
}

void SqlTrace::Append(const std::string& members) {
  std::ofstream out(path_, std::ios::app | std::ios::binary);
  out << "{" << members << "}\n";
  if (!out) {
    throw Error(kDatabaseError, "TracingDataAccess",
                "Não foi possível escrever o registo de SQL em " + path_ + ".");
  }
}

RecordsetPtr TracingDataAccess::RunWithValues(const std::string& sql,
                                              const std::vector<Variant>& values) {
  trace_->Record("RunWithValues", sql, &values);
  return ForwardingDataAccess::RunWithValues(sql, values);
}

void TracingDataAccess::RunAllWithValues(const std::vector<ValuedStatement>& statements) {
  for (const ValuedStatement& statement : statements) {
    trace_->Record("RunWithValues", statement.sql, &statement.values);
  }
  ForwardingDataAccess::RunAllWithValues(statements);
}

bool TracingDataAccess::ExecuteCommand(const std::string& context, const std::string& sql) {
  trace_->Record("ExecuteCommand", sql);
  return ForwardingDataAccess::ExecuteCommand(context, sql);
}

bool TracingDataAccess::OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr& recordset,
                                               int cursor_type, int lock_type) {
  trace_->Record("OpenRecordsetForUpdate", sql);
  return ForwardingDataAccess::OpenRecordsetForUpdate(sql, recordset, cursor_type, lock_type);
}

bool TracingDataAccess::OpenRecordset(const std::string& context, const std::string& sql,
                                      RecordsetPtr& recordset, bool client_cursor, int options) {
  trace_->Record("OpenRecordset", sql);
  return ForwardingDataAccess::OpenRecordset(context, sql, recordset, client_cursor, options);
}

void TracingDataAccess::GetConnection(std::shared_ptr<Connection>& connection) {
  std::shared_ptr<Connection> inner;
  ForwardingDataAccess::GetConnection(inner);
  connection = std::make_shared<TracingConnection>(std::move(inner), trace_);
}

}  // namespace pellora::app
