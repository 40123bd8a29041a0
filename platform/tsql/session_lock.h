#ifndef PELLORA_PLATFORM_TSQL_SESSION_LOCK_H_
#define PELLORA_PLATFORM_TSQL_SESSION_LOCK_H_

#include <memory>

#include "runtime/error.h"

namespace pellora::tsql {

// A connection's work fails once its data-access object has closed the company: `source` is
// the engine's name in the error.
[[noreturn]] inline void RaiseNotOpen(const char* source) {
  throw Error(kObjectNotSet, source, "A ligação à base de dados não está aberta");
}

// The session a connection handed out still works on, or the not-open error.
template <typename Session>
std::shared_ptr<Session> LockSession(const std::weak_ptr<Session>& session, const char* source) {
  std::shared_ptr<Session> locked = session.lock();
  if (!locked) RaiseNotOpen(source);
  return locked;
}

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_SESSION_LOCK_H_
