#ifndef PELLORA_PLATFORM_QT_QT_SHELL_H_
#define PELLORA_PLATFORM_QT_QT_SHELL_H_

#include <string>

#include "interfaces/shell.h"

namespace pellora::qt {

// Hands documents to the desktop's program for their type (QDesktopServices).
class QtShell : public Shell {
 public:
  long Open(const std::string& file) override;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_SHELL_H_
