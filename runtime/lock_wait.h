#ifndef PELLORA_RUNTIME_LOCK_WAIT_H_
#define PELLORA_RUNTIME_LOCK_WAIT_H_

#include <chrono>
#include <functional>
#include <string>

namespace pellora {

// A statement that finds the company held by another workstation waits for it, up to its busy
// timeout. Between its pauses it asks whether to go on: a window can then show that the company
// is busy and let the operator give up before the timeout. Asked on the waiting thread, first
// with 0 waited when a wait begins.
using LockWaitWatcher =
    std::function<bool(const std::string& company, std::chrono::milliseconds waited)>;

// True unless the watcher says to give up; true without a watcher.
bool KeepWaitingForLock(const std::string& company, std::chrono::milliseconds waited);
// Replaces the watcher, before any statement waits; an empty function removes it.
void SetLockWaitWatcher(LockWaitWatcher watcher);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_LOCK_WAIT_H_
