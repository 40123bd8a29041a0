#include "runtime/locale.h"

#include "runtime/workstation.h"

namespace pellora {

const Locale& CurrentLocale() {
  return CurrentWorkstation().locale;
}

}  // namespace pellora
