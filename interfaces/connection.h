#ifndef PELLORA_INTERFACES_CONNECTION_H_
#define PELLORA_INTERFACES_CONNECTION_H_

#include <memory>
#include <string>

#include "runtime/recordset.h"

namespace pellora {

// The open ADO Connection that the data-access object hands out.
class Connection {
 public:
  virtual ~Connection() = default;
  // Connection.Execute: runs an SQL text and returns its rows (an empty, open recordset for
  // a statement that returns none).
  virtual RecordsetPtr Execute(const std::string& sql) = 0;
};

}  // namespace pellora

#endif  // PELLORA_INTERFACES_CONNECTION_H_
