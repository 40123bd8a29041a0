#ifndef PELLORA_PLATFORM_TSQL_CRASH_POINT_H_
#define PELLORA_PLATFORM_TSQL_CRASH_POINT_H_

namespace pellora::tsql {

// The seam the crash tests kill a workstation through: with PELLORA_KILL_AFTER_STATEMENTS=N in
// the environment, the process dies at once (SIGKILL, as in a power cut) right after the N-th
// statement it runs on a company database, on either engine. Without it, nothing happens.
void StatementRan();
// The same from within the process (a forked test child): die after the n-th statement from
// now on; 0 never.
void KillAfterStatements(long n);

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_CRASH_POINT_H_
