#ifndef PELLORA_PLATFORM_CONSOLE_SCRIPT_REFUSAL_H_
#define PELLORA_PLATFORM_CONSOLE_SCRIPT_REFUSAL_H_

#include <functional>
#include <string>

namespace pellora::console {

// Told why, when a dialog could not follow its script (a code it does not offer, a value it
// refuses): the dialog then ends as its close box ends it, having saved and chosen nothing.
using ScriptRefusal = std::function<void(const std::string& reason)>;

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_SCRIPT_REFUSAL_H_
