#ifndef PELLORA_INTERFACES_DATA_ACCESS_H_
#define PELLORA_INTERFACES_DATA_ACCESS_H_

#include <memory>
#include <string>
#include <vector>

#include "interfaces/connection.h"
#include "runtime/error.h"
#include "runtime/recordset.h"

namespace pellora {

// One statement of RunAllWithValues: its text and the values of its "?" markers.
struct ValuedStatement {
  std::string sql;
  std::vector<Variant> values;
};

// The maker's data-access object: every SQL text of the add-in reaches the company database
// through one of these. Members in the library's interface order.
class DataAccess {
 public:
  virtual ~DataAccess() = default;

  // Transactions nest: an inner Begin/Commit pair commits nothing until the outer one does.
  virtual void BeginTransaction() = 0;
  virtual bool CloseConnection() = 0;
  virtual void CommitTransaction() = 0;
  // Runs a statement or batch that returns no rows; raises on failure.
  virtual bool ExecuteCommand(const std::string& context, const std::string& sql) = 0;
  // A recordset whose AddNew/Update reach the table at once.
  virtual bool OpenRecordsetForUpdate(const std::string& sql, RecordsetPtr& recordset,
                                      int cursor_type, int lock_type) = 0;
  // A client-side recordset on its first row; changes stay in memory until SaveRecordset.
  virtual bool OpenRecordset(const std::string& context, const std::string& sql,
                             RecordsetPtr& recordset, bool client_cursor, int options) = 0;
  virtual bool InTransaction() = 0;
  // False, creating nothing, when the company database cannot be opened.
  virtual bool OpenConnection(const std::string& connection_string) = 0;
  // Writes inserted and changed rows to the recordset's base table, by its key.
  virtual bool SaveRecordset(const std::string& context, RecordsetPtr& recordset) = 0;
  virtual void RollbackTransaction() = 0;
  virtual void GetConnection(std::shared_ptr<Connection>& connection) = 0;

  // Not in the maker's library: how the host stand-in reads and writes its rows. Runs `sql`
  // with each "?" standing for the next of `values`, as a command with parameters does: the
  // text stays the same from one row to the next, so the engine prepares it once. The rows of
  // the last statement that returned any, or an empty recordset; raises on failure.
  virtual RecordsetPtr RunWithValues(const std::string& sql,
                                     const std::vector<Variant>& values) = 0;
  // Not in the maker's library: how the host stand-in writes a document's rows. Runs each of
  // `statements` as RunWithValues does, in order and all or none, their rows unread: a server
  // receives them in one exchange. Raises on failure.
  virtual void RunAllWithValues(const std::vector<ValuedStatement>& statements) = 0;
  // Not in the maker's library: how a new company receives its rows in bulk. Appends every row
  // of `rows`, whose fields name columns of `table`, keys included, all or none; each value is
  // stored as RunWithValues would store it, and identity columns number on after the keys
  // loaded. Raises on failure.
  virtual void AppendRows(const std::string& table, const Recordset& rows) = 0;
};

using DataAccessPtr = std::shared_ptr<DataAccess>;

// The error of work asked of a company that is not open; `source` names who was asked.
[[noreturn]] inline void RaiseNotOpen(const char* source) {
  throw Error(kObjectNotSet, source, "A ligação à base de dados não está aberta");
}

}  // namespace pellora

#endif  // PELLORA_INTERFACES_DATA_ACCESS_H_
