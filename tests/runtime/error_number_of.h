#ifndef PELLORA_TESTS_RUNTIME_ERROR_NUMBER_OF_H_
#define PELLORA_TESTS_RUNTIME_ERROR_NUMBER_OF_H_

#include "runtime/error.h"

namespace pellora {

// The number of the Error that `action` raises, 0 when it raises none.
template <typename Action>
long ErrorNumberOf(Action action) {
  try {
    action();
  } catch (const Error& error) {
    return error.number();
  }
  return 0;
}

}  // namespace pellora

#endif  // PELLORA_TESTS_RUNTIME_ERROR_NUMBER_OF_H_
