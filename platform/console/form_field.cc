#include "platform/console/form_field.h"

namespace pellora::console {

std::string FieldHeading(const std::string& label, bool focused) {
  return (focused ? "> " : "  ") + label;
}

}  // namespace pellora::console
