#include "app/program_context.h"

namespace pellora::app {

Context ProgramContext() {
  return Context{.data_access = nullptr, .workstation = {.clock = nullptr, .locale = Locale{}}};
}

}  // namespace pellora::app
