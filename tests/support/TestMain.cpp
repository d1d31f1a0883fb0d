// One QApplication for every test of an executable, on the offscreen platform unless the
// test run chose another.
#include <gtest/gtest.h>
#include <QApplication>

#include "window/MainWindow.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  quorvane::InstallScreenFont();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
