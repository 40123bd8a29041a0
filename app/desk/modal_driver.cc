#include "app/desk/modal_driver.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>

namespace pellora::desk {

constexpr int kPollMs = 10;

ModalDriver::ModalDriver() {
  timer_.setInterval(kPollMs);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start();
}

ModalDriver& ModalDriver::Then(Step step) {
  steps_.push_back(std::move(step));
  return *this;
}

void ModalDriver::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || steps_.empty() || !modal->isVisible()) return;
  if (std::find(seen_.begin(), seen_.end(), modal) != seen_.end()) return;
  std::erase_if(seen_, [](const QPointer<QWidget>& window) { return window.isNull(); });
  seen_.emplace_back(modal);
  // From a timer of its own, so that a window the step opens is polled in turn.
  QTimer::singleShot(0, modal, [modal, step = std::move(steps_.front())] { step(*modal); });
  steps_.pop_front();
}

bool WaitUntil(const std::function<bool()>& done, int seconds) {
  QDeadlineTimer deadline(seconds * 1000);
  while (!done() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, kPollMs);
    QThread::msleep(1);
  }
  return done();
}

}  // namespace pellora::desk
