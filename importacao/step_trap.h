#ifndef PELLORA_IMPORTACAO_STEP_TRAP_H_
#define PELLORA_IMPORTACAO_STEP_TRAP_H_

#include <exception>

#include "importacao/result.h"
#include "runtime/error.h"

namespace pellora {

// The failure as the system's error: itself when it is one, else an internal error (51)
// carrying the failure's text.
Error AsError(const std::exception& failure);

// Runs one import step under its error trap: a failure becomes an Erro Result with the
// failure's description and number, so that no exception leaves the step.
template <typename Step>
Result RunTrapped(Step&& step) {
  try {
    return step();
  } catch (const std::exception& failure) {
    return Result::FromError(AsError(failure));
  }
}

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_STEP_TRAP_H_
