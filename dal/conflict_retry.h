#ifndef PELLORA_DAL_CONFLICT_RETRY_H_
#define PELLORA_DAL_CONFLICT_RETRY_H_

#include "interfaces/data_access.h"
#include "runtime/error.h"

namespace pellora {

// How many times a unit of work runs before a conflict reaches the operator.
inline constexpr int kConflictTries = 5;

// Waits a little longer after each refused try, so that the other writer can finish.
void PauseAfterConflict(int tries_so_far);

// Runs `work`, one whole unit of work on `data_access` whose dialogs are over before it begins
// and which leaves nothing behind when it raises, again when the database refused it for another
// writer's change of the same rows at the same time. Only the outermost unit of work runs again:
// inside another one, which is still open, the conflict is the enclosing one's. Any other error,
// or the last conflict, reaches the caller.
template <typename Work>
auto RetriedOnConflict(DataAccess& data_access, Work&& work) -> decltype(work()) {
  for (int tries = 1;; ++tries) {
    try {
      return work();
    } catch (const Error& error) {
      if (!error.conflict() || tries == kConflictTries || data_access.InTransaction()) throw;
    }
    PauseAfterConflict(tries);
  }
}

}  // namespace pellora

#endif  // PELLORA_DAL_CONFLICT_RETRY_H_
