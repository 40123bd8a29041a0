#ifndef PELLORA_PLATFORM_SESSION_CRASH_POINT_H_
#define PELLORA_PLATFORM_SESSION_CRASH_POINT_H_

#include <string_view>

#include "platform/session/statement_observer.h"

namespace pellora::session {

// Kills this process (SIGKILL) right after the n-th statement its sessions run, on either
// engine: the crash tests' workstation killed mid-import. It simulates a killed process, not a
// power cut: what the program had handed to the system (pages SQLite wrote, statements the
// server received) stays, where a power cut would also lose what the disk had not synchronised.
class CrashPoint : public StatementObserver {
 public:
  // 0 or less: never.
  explicit CrashPoint(long statements) : left_(statements) {}

  void Ran(std::string_view statement) override;

 private:
  long left_;
};

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_CRASH_POINT_H_
