#ifndef PELLORA_APP_DESK_MODAL_DRIVER_H_
#define PELLORA_APP_DESK_MODAL_DRIVER_H_

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

namespace pellora::desk {

// Plays the operator on modal windows, for demonstrations and tests: each step acts on the next
// modal window that opens, in order; a window that is modal again once another one has closed
// over it is not a new one. A timer looks for a new modal window, so windows shown with exec(),
// on this thread or for a worker, are driven without deadlock.
class ModalDriver {
 public:
  using Step = std::function<void(QWidget& window)>;

  ModalDriver();

  ModalDriver& Then(Step step);
  bool Done() const { return steps_.empty(); }
  size_t Left() const { return steps_.size(); }

 private:
  void Poll();

  QTimer timer_;
  std::deque<Step> steps_;
  std::vector<QPointer<QWidget>> seen_;
};

// Processes events until `done` holds or about `seconds` have passed; answers `done()`.
bool WaitUntil(const std::function<bool()>& done, int seconds = 30);

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_MODAL_DRIVER_H_
