#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include "app/Program.h"
#include "app/QuitOnTerminationSignals.h"
#include "app/SingleInstanceGuard.h"
#include "app/Theme.h"
#include "constants/Program.h"

using namespace quorvane;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The configuration directory (the template's fallback) and the desktop entry go by these.
  QCoreApplication::setApplicationName(QStringLiteral("quorvane"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvane.Quorvane"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/desktop/org.quorvane.Quorvane.svg")));
  // A logout or a service manager ends the program with SIGTERM: quit the event loop instead.
  QuitOnTerminationSignals quitOnSignals;
  InstallScreenFont();

  Program program(
      TemplateFile::PathFor(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));

  SingleInstanceGuard guard(kProgramName);
  if (!guard.IsOnlyInstance()) {
    program.person.SetParentWindow(nullptr);
    program.person.ShowMessage(QStringLiteral("此程序已在运行中！请勿重复打开！"),
                               QStringLiteral("友情提醒:"));
    return 0;
  }

  ThemeSetup theme;
  theme.programDirectory = QCoreApplication::applicationDirPath();
  theme.Apply();

  program.screen.window.show();
  return application.exec();
}
