#ifndef PELLORA_RUNTIME_CLOCK_H_
#define PELLORA_RUNTIME_CLOCK_H_

#include <functional>

#include "runtime/variant.h"

namespace pellora {

// VB's Now: the workstation's local date and time, from the injected clock.
Date Now();
// VB's Date: today, without the time.
Date Today();
// Replaces the clock; an empty function restores the system clock.
void SetClock(std::function<Date()> clock);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_CLOCK_H_
