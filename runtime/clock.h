#ifndef PELLORA_RUNTIME_CLOCK_H_
#define PELLORA_RUNTIME_CLOCK_H_

#include "runtime/variant.h"

namespace pellora {

// VB's Now: the workstation's local date and time, from the clock of the workstation in force
// (runtime/workstation.h).
Date Now();
// VB's Date: today, without the time.
Date Today();

}  // namespace pellora

#endif  // PELLORA_RUNTIME_CLOCK_H_
