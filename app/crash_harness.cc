#include "app/crash_harness.h"

#include <cstdlib>
#include <string>

#include "platform/session/crash_point.h"

namespace pellora::app {
namespace {

session::StatementObserverPtr FromEnvironment() {
  const char* text = std::getenv("PELLORA_KILL_AFTER_STATEMENTS");
  if (text == nullptr) return nullptr;
  try {
    return std::make_shared<session::CrashPoint>(std::stol(text));
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace

session::StatementObserverPtr CrashHarness() {
  static const session::StatementObserverPtr harness = FromEnvironment();
  return harness;
}

}  // namespace pellora::app
