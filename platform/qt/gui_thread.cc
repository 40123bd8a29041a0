#include "platform/qt/gui_thread.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>
#include <QWidget>
#include <exception>
#include <set>
#include <thread>

namespace pellora::qt {
namespace {

bool OnGuiThread() {
  const QCoreApplication* application = QCoreApplication::instance();
  return application == nullptr || QThread::currentThread() == application->thread();
}

// While it lives, the windows open when it was made take none of the operator's input (keys,
// clicks, the wheel, the close box), and the pointer says the program is busy.
class InputBlock : public QObject {
 public:
  InputBlock() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) blocked_.insert(window);
    }
    QCoreApplication::instance()->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::BusyCursor);
  }
  ~InputBlock() override { QApplication::restoreOverrideCursor(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!IsInput(event->type()) || !watched->isWidgetType()) return false;
    return blocked_.contains(static_cast<QWidget*>(watched)->window());
  }

 private:
  static bool IsInput(QEvent::Type type) {
    switch (type) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::Close:
        return true;
      default:
        return false;
    }
  }

  std::set<const QWidget*> blocked_;  // compared, never followed
};

}  // namespace

void OnGui(const std::function<void()>& work) {
  if (OnGuiThread()) {
    work();
    return;
  }
  std::exception_ptr error;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [&] {
        try {
          work();
        } catch (...) {
          error = std::current_exception();
        }
      },
      Qt::BlockingQueuedConnection);
  if (error) std::rethrow_exception(error);
}

void RunOffGui(const std::function<void()>& work) {
  if (!OnGuiThread() || QCoreApplication::instance() == nullptr) {
    work();
    return;
  }
  InputBlock block;
  QEventLoop loop;
  std::exception_ptr error;
  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      error = std::current_exception();
    }
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
  if (error) std::rethrow_exception(error);
}

}  // namespace pellora::qt
