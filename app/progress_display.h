#ifndef PELLORA_APP_PROGRESS_DISPLAY_H_
#define PELLORA_APP_PROGRESS_DISPLAY_H_

#include <chrono>
#include <iosfwd>
#include <string>

namespace pellora::app {

// Shows how far a long import has gone on one line of a terminal, redrawn a few times a second.
class ProgressDisplay {
 public:
  explicit ProgressDisplay(std::ostream& out) : out_(out) {}
  ~ProgressDisplay();

  void Show(const char* stage, long done, long total);

 private:
  std::ostream& out_;
  std::chrono::steady_clock::time_point last_{};
  bool shown_ = false;
};

}  // namespace pellora::app

#endif  // PELLORA_APP_PROGRESS_DISPLAY_H_
