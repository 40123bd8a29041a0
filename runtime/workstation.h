#ifndef PELLORA_RUNTIME_WORKSTATION_H_
#define PELLORA_RUNTIME_WORKSTATION_H_

#include <functional>

#include "runtime/locale.h"
#include "runtime/variant.h"

namespace pellora {

// What the runtime reads of the workstation it runs on: the clock that Now and Today read, and
// the regional settings of conversions and Format.
struct Workstation {
  std::function<Date()> clock = nullptr;  // the system's clock
  Locale locale = {};
};

// The workstation in force: the one of the innermost scope open, else the system's clock with
// the default regional settings.
const Workstation& CurrentWorkstation();

// Puts a workstation in force for the whole process while the scope lasts (every thread reads
// it: the desktop runs operations on a worker thread), then the one before it again. Scopes
// nest; a test that pins the clock or the locale does it in a scope, so the next test never
// sees it. dal/context.h opens one of these for the add-in's whole context.
class WorkstationScope {
 public:
  explicit WorkstationScope(Workstation workstation);
  ~WorkstationScope();
  WorkstationScope(const WorkstationScope&) = delete;
  WorkstationScope& operator=(const WorkstationScope&) = delete;

 private:
  Workstation workstation_;
  const Workstation* previous_;
};

}  // namespace pellora

#endif  // PELLORA_RUNTIME_WORKSTATION_H_
