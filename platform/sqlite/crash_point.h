#ifndef PELLORA_PLATFORM_SQLITE_CRASH_POINT_H_
#define PELLORA_PLATFORM_SQLITE_CRASH_POINT_H_

namespace pellora::sqlite {

// The seam the crash tests kill a workstation through: with PELLORA_KILL_AFTER_STATEMENTS=N in
// the environment, the process dies at once (SIGKILL, as in a power cut) right after the N-th
// statement it runs on a company database. Without it, nothing happens.
void StatementRan();
// The same from within the process (a forked test child): die after the n-th statement from
// now on; 0 never.
void KillAfterStatements(long n);

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_CRASH_POINT_H_
