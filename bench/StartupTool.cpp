// The program's own start, composed as main.cpp does it, ended at its window's first paint.
#include <QApplication>

#include "app/Program.h"
#include "app/Theme.h"
#include "bench/StartupProbe.h"

using namespace quorvane;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  InstallScreenFont();
  Program program(QStringLiteral("/nonexistent/模板.ini"));
  ThemeSetup theme;
  theme.programDirectory = QCoreApplication::applicationDirPath();
  theme.Apply();
  ShownProbe probe;
  program.screen.window.installEventFilter(&probe);
  program.screen.window.show();
  return application.exec();
}
