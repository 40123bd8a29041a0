#ifndef PELLORA_INTERFACES_CODED_ITEM_H_
#define PELLORA_INTERFACES_CODED_ITEM_H_

#include <string>
#include <string_view>

#include "runtime/text.h"

namespace pellora {

// Lists of host codes show each item as "[" + code + "] " + description. The forms read the
// code back from the chosen item, and a rendering may find an item by its code.

inline std::string CodedItemText(std::string_view code, std::string_view description) {
  return "[" + std::string(code) + "] " + std::string(description);
}

// The text after the first character, up to the first "]"; empty when there is no "]".
inline std::string CodeOfItem(std::string_view text) {
  const long bracket = InStr(text, "]");
  return bracket < 2 ? std::string() : Mid(text, 2, bracket - 2);
}

}  // namespace pellora

#endif  // PELLORA_INTERFACES_CODED_ITEM_H_
