#include "platform/tsql/crash_point.h"

#include <csignal>
#include <cstdlib>
#include <string>

namespace pellora::tsql {
namespace {

long kill_after = -1;  // not read from the environment yet
long ran = 0;

long KillAfterFromEnvironment() {
  const char* text = std::getenv("PELLORA_KILL_AFTER_STATEMENTS");
  if (text == nullptr) return 0;
  try {
    return std::stol(text);
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace

void StatementRan() {
  if (kill_after < 0) kill_after = KillAfterFromEnvironment();
  if (kill_after > 0 && ++ran == kill_after) std::raise(SIGKILL);
}

void KillAfterStatements(long n) {
  kill_after = n;
  ran = 0;
}

}  // namespace pellora::tsql
