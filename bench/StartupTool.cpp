// The program's own start (as main.cpp composes it), ended at its window's first expose.
#include <QApplication>

#include "app/MainScreen.h"
#include "app/Theme.h"
#include "bench/StartupProbe.h"
#include "link/DeviceLink.h"
#include "operator/QtOperator.h"
#include "settings/SystemHostAddresses.h"

using namespace quorvane;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  InstallScreenFont();
  QtOperator person;
  SystemHostAddresses host;
  DeviceLink link;
  SystemClock clock;
  MainScreen screen({link, person, host, clock, QStringLiteral("/nonexistent/模板.ini")});
  ThemeSetup theme;
  theme.programDirectory = QCoreApplication::applicationDirPath();
  theme.Apply();
  ShownProbe probe;
  screen.window.installEventFilter(&probe);
  screen.window.show();
  return application.exec();
}
