#ifndef PELLORA_APP_PROGRAM_CONTEXT_H_
#define PELLORA_APP_PROGRAM_CONTEXT_H_

#include "dal/context.h"

namespace pellora::app {

// The context pellora, pellora-desk and the benchmarks run the add-in in, opened once at their
// start: the system's clock and Portugal's regional settings (decimal comma, "." between
// thousands). The company's data access joins it when the add-in or a command opens the company.
Context ProgramContext();

}  // namespace pellora::app

#endif  // PELLORA_APP_PROGRAM_CONTEXT_H_
