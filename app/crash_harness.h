#ifndef PELLORA_APP_CRASH_HARNESS_H_
#define PELLORA_APP_CRASH_HARNESS_H_

#include "platform/session/statement_observer.h"

namespace pellora::app {

// The crash harness's observer for every data-access object of this process: with
// PELLORA_KILL_AFTER_STATEMENTS=N in the environment (scripts/crash and the crash tests set it),
// the process is killed right after the N-th statement it runs on a company database, counted
// across all its connections. nullptr without it.
session::StatementObserverPtr CrashHarness();

}  // namespace pellora::app

#endif  // PELLORA_APP_CRASH_HARNESS_H_
