#include "platform/session/crash_point.h"

#include <csignal>

namespace pellora::session {

void CrashPoint::Ran(std::string_view /*statement*/) {
  if (left_ > 0 && --left_ == 0) std::raise(SIGKILL);
}

}  // namespace pellora::session
