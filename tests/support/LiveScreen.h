#pragma once

#include <gtest/gtest.h>
#include <QTest>

#include <QTemporaryDir>
#include <memory>

#include "app/MainScreen.h"
#include "link/DeviceLink.h"
#include "operator/ScriptedOperator.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeHostAddresses.h"
#include "tests/support/ListClicks.h"

namespace quorvane {

// The main screen on the real UDP link with the product's ports, as the program wires it.
// Only for tests that run inside a private network namespace.
struct LiveScreen {
  // Call from a test's SetUp, so a failed assertion ends the test.
  void Open() {
    deviceLink = std::make_unique<DeviceLink>();
    ASSERT_TRUE(deviceLink->IsBound()) << "port 8114 is taken";
    screen = std::make_unique<MainScreen>(
        ScreenServices{*deviceLink, person, host, clock, TemplatePath()});
    QObject::connect(deviceLink.get(), &DeviceLink::DatagramReceived,
                     [this](const QByteArray& bytes, const QString& sender) {
                       screen->HandleDatagram(bytes, sender);
                     });
    screen->window.show();
    screen->window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen->window));
  }

  MainWindow& W() { return screen->window; }

  void ClickRow(int row) { ClickListRow(*W().超级列表框1, row); }

  ScriptedOperator person;
  FakeHostAddresses host;
  FakeClock clock;
  QTemporaryDir templateDirectory;  // every test starts without a template file
  QString TemplatePath() const { return templateDirectory.filePath(QStringLiteral("模板.ini")); }
  std::unique_ptr<DeviceLink> deviceLink;
  std::unique_ptr<MainScreen> screen;
};

}  // namespace quorvane
