#ifndef PELLORA_APP_VALUE_TEXT_H_
#define PELLORA_APP_VALUE_TEXT_H_

#include <string>

#include "runtime/variant.h"

namespace pellora::app {

// A value as integrators read it whatever the workstation's locale: numbers with a point as
// decimal separator, dates as yyyy-mm-dd hh:mm:ss, NULL as NULL, binary content in hex.
std::string PlainText(const Variant& value);

}  // namespace pellora::app

#endif  // PELLORA_APP_VALUE_TEXT_H_
