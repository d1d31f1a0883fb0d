#include <QApplication>

#include "app/MainScreen.h"
#include "app/SingleInstanceGuard.h"
#include "app/Theme.h"
#include "constants/Program.h"
#include "link/DeviceLink.h"
#include "operator/QtOperator.h"
#include "settings/SystemHostAddresses.h"

using namespace quorvane;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  InstallScreenFont();

  QtOperator person;
  SystemHostAddresses host;
  DeviceLink 数据报1;  // bound with the window; a failed bind only makes every send fail
  SystemClock clock;
  const QString templatePath =
      QCoreApplication::applicationDirPath() + u'/' + TemplateFile::FileName();
  MainScreen screen({数据报1, person, host, clock, templatePath});
  person.SetParentWindow(&screen.window);
  QObject::connect(&数据报1, &DeviceLink::DatagramReceived,
                   [&screen](const QByteArray& bytes, const QString& sender) {
                     screen.HandleDatagram(bytes, sender);
                   });

  SingleInstanceGuard guard(kProgramName);
  if (!guard.IsOnlyInstance()) {
    person.SetParentWindow(nullptr);
    person.ShowMessage(QStringLiteral("此程序已在运行中！请勿重复打开！"),
                       QStringLiteral("友情提醒:"));
    return 0;
  }

  ThemeSetup theme;
  theme.programDirectory = QCoreApplication::applicationDirPath();
  theme.Apply();

  screen.window.show();
  return application.exec();
}
