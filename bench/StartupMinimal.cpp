// The floor: a window of the same size with one Chinese label in the same font.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "bench/StartupProbe.h"
#include "window/MainWindow.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  quorvane::InstallScreenFont();
  QWidget window;
  window.resize(1006, 768);
  QLabel label(QStringLiteral("寻找设备"), &window);
  ShownProbe probe;
  window.installEventFilter(&probe);
  window.show();
  return application.exec();
}
