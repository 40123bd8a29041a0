#include "runtime/locale.h"

namespace pellora {

namespace {

Locale& MutableLocale() {
  static Locale locale;
  return locale;
}

}  // namespace

const Locale& CurrentLocale() {
  return MutableLocale();
}

void SetLocale(const Locale& locale) {
  MutableLocale() = locale;
}

}  // namespace pellora
