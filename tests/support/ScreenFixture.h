#pragma once

#include <gtest/gtest.h>
#include <QTest>

#include <QTemporaryDir>
#include <memory>

#include "app/MainScreen.h"
#include "operator/ScriptedOperator.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeHostAddresses.h"
#include "tests/support/ListClicks.h"
#include "tests/support/Printers.h"
#include "tests/support/RecordingLink.h"
#include "text/GbkText.h"

namespace quorvane {

// The whole main screen with a recording link, a scripted person and a fixed PC address.
class ScreenFixture : public testing::Test {
 protected:
  ScreenFixture() {
    host.addresses = {"127.0.1.1", "192.168.7.23"};
    auto fetch = [this](const std::string& url) {
      fetched.push_back(url);
      return fetchAnswer;
    };
    // Called on the release-notes worker: only the function the test set, nothing of the screen.
    auto notes = [this](const std::string& url) { return notesFetch(url); };
    screen = std::make_unique<MainScreen>(ScreenServices{
        link, person, host, clock, TemplatePath(), fetch, "http://notes.test/pc/notes.txt", notes});
    screen->exitProcess = [this] { ++exitRequests; };
  }

  MainWindow& W() { return screen->window; }

  void Show() {
    W().show();
    W().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&W()));
  }

  // A datagram as it would arrive from a board (UTF-8 test text, sent as GBK).
  void Receive(const QString& text, const QString& from = {}) {
    screen->HandleDatagram(Gbk(text), from);
  }
  void ReceiveBytes(const QByteArray& bytes, const QString& from = {}) {
    screen->HandleDatagram(bytes, from);
  }
  // From the selected row's address, as that board's answers come.
  void ReceiveFromSelected(const QString& text) {
    Receive(text, FromGbk(screen->devices.SelectedCell(DeviceListPanel::kIp).value_or("")));
  }

  static QByteArray Gbk(const QString& text) {
    return QByteArray::fromStdString(ToGbk(text).value());
  }

  void ClickRow(int row) { ClickListRow(*W().超级列表框1, row); }

  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  RecordingLink link;
  ScriptedOperator person;
  FakeHostAddresses host;
  FakeClock clock;
  std::vector<std::string> fetched;  // the URLs the HTTP_GET test asked for; no network here
  std::string fetchAnswer;
  std::function<std::string(const std::string&)> notesFetch = [](const std::string&) {
    return std::string();
  };
  QTemporaryDir templateDirectory;  // every test starts without a template file
  QString TemplatePath() const { return templateDirectory.filePath(QStringLiteral("模板.ini")); }
  std::unique_ptr<MainScreen> screen;
  int exitRequests = 0;
};

}  // namespace quorvane
