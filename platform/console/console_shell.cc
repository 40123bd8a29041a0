#include "platform/console/console_shell.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <system_error>

#include "platform/common/native_path.h"

extern char** environ;

namespace pellora::console {
namespace {

constexpr char kOpener[] = "xdg-open";
// ShellExecute's answers.
constexpr long kOpened = 42;
constexpr long kFileNotFound = 2;
constexpr long kNoAssociation = 31;

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path == nullptr ? "" : path);
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (!folder.empty() && access((folder + "/" + program).c_str(), X_OK) == 0) return true;
  }
  return false;
}

bool RunOpener(const std::string& file) {
  char* const argv[] = {const_cast<char*>(kOpener), const_cast<char*>(file.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, kOpener, nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

ConsoleShell::ConsoleShell(std::ostream& out, bool use_desktop_opener)
    : out_(out), use_desktop_opener_(use_desktop_opener) {}

long ConsoleShell::Open(const std::string& file) {
  const std::filesystem::path path = common::NativePath(file);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return kFileNotFound;
  if (!use_desktop_opener_) {
    out_ << "Documento: " << path.string() << "\n";
    return kOpened;
  }
  return RunOpener(path.string()) ? kOpened : kNoAssociation;
}

bool ConsoleShell::DesktopOpenerAvailable() {
  const bool desktop =
      std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
  return desktop && OnPath(kOpener);
}

}  // namespace pellora::console
