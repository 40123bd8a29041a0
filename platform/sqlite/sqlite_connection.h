#ifndef PELLORA_PLATFORM_SQLITE_SQLITE_CONNECTION_H_
#define PELLORA_PLATFORM_SQLITE_SQLITE_CONNECTION_H_

#include <memory>
#include <string>

#include "interfaces/connection.h"
#include "platform/sqlite/session.h"

namespace pellora::sqlite {

// The Connection the data-access object hands out; it fails once that object closes.
class SqliteConnection : public Connection {
 public:
  explicit SqliteConnection(std::weak_ptr<Session> session) : session_(std::move(session)) {}

  RecordsetPtr Execute(const std::string& sql) override;

 private:
  std::weak_ptr<Session> session_;
};

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SQLITE_CONNECTION_H_
