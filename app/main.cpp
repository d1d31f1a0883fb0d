#include <QApplication>

#include "app/Program.h"
#include "app/SingleInstanceGuard.h"
#include "app/Theme.h"
#include "constants/Program.h"

using namespace quorvane;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  InstallScreenFont();

  Program program(QCoreApplication::applicationDirPath() + u'/' + TemplateFile::FileName());

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
