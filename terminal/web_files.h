#ifndef PELLORA_TERMINAL_WEB_FILES_H_
#define PELLORA_TERMINAL_WEB_FILES_H_

#include <string_view>
#include <vector>

namespace pellora::terminal {

// A file of the terminals' page, compiled into the program from terminal/web/.
struct WebFile {
  std::string_view name;  // its path under terminal/web/, as "app.js"
  std::string_view content;
};

// Every file of the page, by name.
const std::vector<WebFile>& WebFiles();

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_WEB_FILES_H_
