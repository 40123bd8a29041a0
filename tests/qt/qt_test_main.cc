#include <QApplication>
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/qt/application_setup.h"

// The windows are drawn on Qt's offscreen platform: no display is needed. The application is
// prepared as pellora-desk prepares it.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  pellora::qt::PrepareApplication(application);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
