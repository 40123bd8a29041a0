#ifndef PELLORA_TESTS_QT_MODAL_SCRIPT_H_
#define PELLORA_TESTS_QT_MODAL_SCRIPT_H_

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

#include "app/desk/modal_driver.h"

namespace pellora::testing {

using desk::WaitUntil;

// The operator's steps on the windows a test opens; every step must have found its window. A
// window left waiting for an operator once every step is done fails the test and is dismissed.
class ModalScript : public desk::ModalDriver {
 public:
  ModalScript() {
    QObject::connect(&unexpected_, &QTimer::timeout, [this] {
      auto* window = Done() ? qobject_cast<QDialog*>(QApplication::activeModalWidget()) : nullptr;
      seconds_ = window == waiting_ ? seconds_ + 1 : 0;
      waiting_ = window;
      if (window == nullptr || seconds_ < 10) return;
      ADD_FAILURE() << "a window no step expects: " << window->windowTitle().toStdString();
      window->reject();
    });
    unexpected_.start(1000);
  }
  ~ModalScript() { EXPECT_TRUE(Done()) << Left() << " windows never opened"; }

 private:
  QTimer unexpected_;
  QDialog* waiting_ = nullptr;
  int seconds_ = 0;
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_QT_MODAL_SCRIPT_H_
