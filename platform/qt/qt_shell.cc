#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>
#include <filesystem>
#include <system_error>

#include "platform/common/native_path.h"
#include "platform/qt/gui_thread.h"
#include "platform/qt/qt_text.h"

namespace pellora::qt {
namespace {

// ShellExecute's answers.
constexpr long kOpened = 42;
constexpr long kFileNotFound = 2;
constexpr long kNoAssociation = 31;

}  // namespace

long QtShell::Open(const std::string& file) {
  const std::filesystem::path path = common::NativePath(file);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return kFileNotFound;
  const bool opened = OnGuiValue(
      [&] { return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(path.string()))); });
  return opened ? kOpened : kNoAssociation;
}

}  // namespace pellora::qt
