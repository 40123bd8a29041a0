#ifndef PELLORA_TESTS_QT_MODAL_SCRIPT_H_
#define PELLORA_TESTS_QT_MODAL_SCRIPT_H_

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace pellora::testing {

// Plays the operator on modal windows: each step acts on the next modal window that opens, as
// the operator would (clicks, typing), in order. A timer looks for a new modal window, so
// windows shown with exec(), on this thread or for a worker, are driven without deadlock.
class ModalScript {
 public:
  using Step = std::function<void(QWidget& window)>;

  ModalScript() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }
  ~ModalScript() { EXPECT_TRUE(steps_.empty()) << steps_.size() << " windows never opened"; }

  ModalScript& Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  bool Done() const { return steps_.empty(); }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == last_ || steps_.empty() || !modal->isVisible()) return;
    last_ = modal;
    // From a timer of its own, so that a window the step opens is polled in turn.
    QTimer::singleShot(0, modal, [modal, step = std::move(steps_.front())] { step(*modal); });
    steps_.pop_front();
  }

  QTimer timer_;
  std::deque<Step> steps_;
  QPointer<QWidget> last_;
};

// Processes events until `done` holds or about 30 seconds have passed.
inline bool WaitUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 3000 && !done(); ++i) {
    QTest::qWait(10);
  }
  return done();
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_QT_MODAL_SCRIPT_H_
