#include "app/progress_display.h"

#include <ostream>

namespace pellora::app {

ProgressDisplay::~ProgressDisplay() {
  if (shown_) out_ << "\r\033[K" << std::flush;  // leave the terminal line clean
}

void ProgressDisplay::Show(const char* stage, long done, long total) {
  const auto now = std::chrono::steady_clock::now();
  if (shown_ && done < total && now - last_ < std::chrono::milliseconds(200)) return;
  last_ = now;
  shown_ = true;
  out_ << "\r\033[K" << stage << ": " << done << " de " << total << " leituras" << std::flush;
}

}  // namespace pellora::app
