// One QApplication for every test of an executable, on the offscreen platform unless the
// test run chose another.
#include <gtest/gtest.h>
#include <QApplication>

#include "window/MainWindow.h"

#if defined(__SANITIZE_ADDRESS__)
// Qt keeps caches (fonts, styles) until the process ends; they are no leaks of ours.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
#endif

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  quorvane::InstallScreenFont();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
