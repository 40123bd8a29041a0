#ifndef PELLORA_TESTS_QT_MODAL_SCRIPT_H_
#define PELLORA_TESTS_QT_MODAL_SCRIPT_H_

#include <gtest/gtest.h>

#include "app/desk/modal_driver.h"

namespace pellora::testing {

using desk::WaitUntil;

// The operator's steps on the windows a test opens; every step must have found its window.
class ModalScript : public desk::ModalDriver {
 public:
  ~ModalScript() { EXPECT_TRUE(Done()) << Left() << " windows never opened"; }
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_QT_MODAL_SCRIPT_H_
