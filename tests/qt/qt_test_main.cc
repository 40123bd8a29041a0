#include <QApplication>
#include <cstdlib>

#include <gtest/gtest.h>

// The windows are drawn on Qt's offscreen platform: no display is needed.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
