#ifndef PELLORA_INTERFACES_SHELL_H_
#define PELLORA_INTERFACES_SHELL_H_

#include <memory>
#include <string>

namespace pellora {

// The desktop shell: hands a document file to the program registered for its type.
class Shell {
 public:
  virtual ~Shell() = default;
  // The "open" verb. As ShellExecute: above 32 on success, 2 when the file does not exist.
  virtual long Open(const std::string& file) = 0;
};

using ShellPtr = std::shared_ptr<Shell>;

}  // namespace pellora

#endif  // PELLORA_INTERFACES_SHELL_H_
