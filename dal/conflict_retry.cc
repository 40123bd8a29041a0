#include "dal/conflict_retry.h"

#include <chrono>
#include <thread>

namespace pellora {

void PauseAfterConflict(int tries_so_far) {
  // 0.1, 0.2, 0.4 and 0.8 s: the work is given up within two seconds of waiting.
  std::this_thread::sleep_for(std::chrono::milliseconds(100) * (1 << (tries_so_far - 1)));
}

}  // namespace pellora
