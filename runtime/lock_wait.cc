#include "runtime/lock_wait.h"

#include <utility>

namespace pellora {
namespace {

LockWaitWatcher& Watcher() {
  static LockWaitWatcher watcher;
  return watcher;
}

}  // namespace

bool KeepWaitingForLock(const std::string& company, std::chrono::milliseconds waited) {
  return !Watcher() || Watcher()(company, waited);
}

void SetLockWaitWatcher(LockWaitWatcher watcher) {
  Watcher() = std::move(watcher);
}

}  // namespace pellora
