// GoogleTest main for the tests that draw with Qt: a QGuiApplication must
// exist before fonts or painters are made. Run with QT_QPA_PLATFORM=offscreen.

#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
