#ifndef PELLORA_DAL_CONFLICT_RETRY_H_
#define PELLORA_DAL_CONFLICT_RETRY_H_

#include "runtime/error.h"

namespace pellora {

// How many times a unit of work runs before a conflict reaches the operator.
inline constexpr int kConflictTries = 5;

// Waits a little longer after each refused try, so that the other writer can finish.
void PauseAfterConflict(int tries_so_far);

// Runs `work`, one whole unit of work whose dialogs are over before it begins and which leaves
// nothing behind when it raises, again when the database refused it for another writer's change
// of the same rows at the same time. Any other error, or the last conflict, reaches the caller.
// Only the outermost unit of work is run again: inside another one, a conflict is that one's.
template <typename Work>
auto RetriedOnConflict(Work&& work) -> decltype(work()) {
  for (int tries = 1;; ++tries) {
    try {
      return work();
    } catch (const Error& error) {
      if (!error.conflict() || tries == kConflictTries) throw;
    }
    PauseAfterConflict(tries);
  }
}

}  // namespace pellora

#endif  // PELLORA_DAL_CONFLICT_RETRY_H_
