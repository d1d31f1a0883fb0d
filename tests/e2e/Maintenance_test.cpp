// The maintenance conversations over the real link against simulated boards, inside a private
// network namespace: command sent, the board's state, its answer, the question, the person's
// choice and the follow-up bytes on the wire.
#include <gtest/gtest.h>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

#include "maintenance/PasswordWindow.h"
#include "maintenance/ProhibitWindow.h"
#include "maintenance/WifiWindow.h"
#include "tests/support/LiveScreen.h"
#include "tests/support/Printers.h"
#include "tools/boardsim/BoardSimulator.h"

namespace quorvane {
namespace {

constexpr char kBoardIp[] = "127.0.0.2";

class Maintenance : public testing::Test {
 protected:
  void SetUp() override {
    simulator.SetRestartMs(300);
    simulator.AddBoard({.id = "B01", .ip = kBoardIp, .record = DefaultRecordFor(2, "")});
    ASSERT_TRUE(simulator.Start());
    live.Open();
    Search();
    live.screen->devices.SelectRow(0);
  }

  SimulatedBoard& Board() { return *simulator.Board(kBoardIp); }

  void Search() {
    const size_t rowsBefore = simulator.Received().size();
    QTest::mouseClick(live.W().寻找按钮, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return simulator.Received().size() > rowsBefore && List().topLevelItemCount() == 1; },
        3000));
  }

  ReportListView& List() { return *live.W().超级列表框1; }

  void Choose(const QString& entry) {
    person.menuChoices.push_back(entry);
    QRect row = List().visualItemRect(List().topLevelItem(0));
    QTest::mouseClick(List().viewport(), Qt::RightButton, {}, row.center());
  }

  // The texts the board received, in order.
  std::vector<QByteArray> Wire() const {
    std::vector<QByteArray> out;
    for (const ReceivedDatagram& d : simulator.Received()) out.push_back(d.bytes);
    return out;
  }

  bool WaitForWire(size_t count) {
    return QTest::qWaitFor([&] { return simulator.Received().size() >= count; }, 3000);
  }

  // A search sent now arrives after everything sent before it: once it is in, the wire is
  // complete up to here.
  void Settle() {
    const size_t before = simulator.Received().size();
    QTest::mouseClick(live.W().寻找按钮, Qt::LeftButton);
    ASSERT_TRUE(WaitForWire(before + 1));
    ASSERT_EQ(simulator.Received().back().bytes, QByteArray("ss"));
    simulator.ClearReceived();
    ASSERT_TRUE(QTest::qWaitFor([&] { return List().topLevelItemCount() == 1; }, 3000));
    live.screen->devices.SelectRow(0);
  }

  BoardSimulator simulator;
  LiveScreen live;
  ScriptedOperator& person = live.person;
};

TEST_F(Maintenance, StateConversationsToggleTheBoard) {
  struct Case {
    const char* name;
    const char* entry;
    std::function<void(SimulatedBoard&)> before;
    bool ok;
    std::vector<QByteArray> wire;  // everything the board receives
    const char* question;
    const char* result;  // the box after the board's second answer, if any
    std::function<bool(const SimulatedBoard&)> after;
  } cases[] = {
      {"unlocked keys get locked",
       "解锁开关",
       [](auto& b) { b.keysLocked = false; },
       true,
       {"qh", "sd"},
       "当前设备按键没有被锁定状态！可以手动控制开关，是否需要将其锁定禁止使用？",
       nullptr,
       [](auto& b) { return b.keysLocked; }},
      {"locked keys get unlocked",
       "解锁开关",
       [](auto& b) { b.keysLocked = true; },
       true,
       {"qh", "ks"},
       "当前设备按键已经被锁定！不能手动控制开关，是否需要将其解除锁定？",
       nullptr,
       [](auto& b) { return !b.keysLocked; }},
      {"Cancel keeps the lock",
       "解锁开关",
       [](auto& b) { b.keysLocked = false; },
       false,
       {"qh"},
       "当前设备按键没有被锁定状态！可以手动控制开关，是否需要将其锁定禁止使用？",
       nullptr,
       [](auto& b) { return !b.keysLocked; }},
      {"configuration mode on",
       "上电配网状态",
       [](auto& b) { b.configModeOn = false; },
       true,
       {"appz=?", "appz=1"},
       "当前设备【上电30秒自动进入配网状态】是关闭状态，是否要开启？",
       "上电30秒自动进入配网状态设置指令执行成功",
       [](auto& b) { return b.configModeOn; }},
      {"configuration mode off",
       "上电配网状态",
       [](auto& b) { b.configModeOn = true; },
       true,
       {"appz=?", "appz=0"},
       "当前设备【上电30秒自动进入配网状态】是开启状态，是否要关闭？",
       "上电30秒自动进入配网状态设置指令执行成功",
       [](auto& b) { return !b.configModeOn; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.before(Board());
    simulator.ClearReceived();
    person.boxes.clear();
    person.answers = {c.ok};
    Choose(QString::fromUtf8(c.entry));
    ASSERT_TRUE(QTest::qWaitFor([&] { return person.answers.empty(); }, 3000));
    if (c.result) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return person.boxes.size() == 2; }, 3000));
      EXPECT_EQ(person.boxes[1].text, QString::fromUtf8(c.result));
    }
    ASSERT_TRUE(WaitForWire(c.wire.size()));
    const std::vector<QByteArray> wire = Wire();
    ASSERT_NO_FATAL_FAILURE(Settle());
    EXPECT_EQ(wire, c.wire);
    EXPECT_EQ(person.boxes[0].text, QString::fromUtf8(c.question));
    EXPECT_EQ(person.boxes[0].caption, QStringLiteral("状态提示"));
    EXPECT_TRUE(c.after(Board()));
  }
  for (const ReceivedDatagram& d : simulator.Received()) {
    EXPECT_EQ(d.destination, QHostAddress(QString::fromUtf8(kBoardIp)));
  }
}

TEST_F(Maintenance, PasswordThenProhibitAndNewPassword) {
  person.modalScripts.push_back([](QDialog& window) {
    auto& password = static_cast<PasswordWindow&>(window);
    QTest::keyClicks(password.编辑框1, QStringLiteral("5937"));
    QTest::keyClick(password.编辑框1, Qt::Key_Return);
    return window.result();
  });
  person.modalScripts.push_back([](QDialog& window) {
    auto& prohibit = static_cast<ProhibitWindow&>(window);
    prohibit.选择框1->setChecked(true);
    QTest::keyClicks(prohibit.编辑框1, QStringLiteral("4321"));
    QTest::mouseClick(prohibit.按钮1, Qt::LeftButton);
    return window.result();
  });
  simulator.ClearReceived();
  Choose(QStringLiteral("设置禁止"));
  ASSERT_TRUE(WaitForWire(3)) << person.Texts().join(u'\n').toStdString();
  const std::vector<ReceivedDatagram> wire = simulator.Received();
  EXPECT_EQ(wire[0].bytes, QByteArray("password=5937"));
  EXPECT_EQ(wire[1].bytes, QByteArray("prohibit=1"));
  EXPECT_EQ(wire[2].bytes, QByteArray("szpassword=4321"));
  EXPECT_EQ(person.windows, (std::vector<QString>{QStringLiteral("PasswordWindow"),
                                                  QStringLiteral("ProhibitWindow")}));
  EXPECT_EQ(person.Texts(), Strings({"操作指令发送成功！请重新搜索设备验证是否设置成功！"}));

  // The next search shows the flag; the old password is now refused.
  ASSERT_NO_FATAL_FAILURE(Settle());
  EXPECT_EQ(List().topLevelItem(0)->text(4), QStringLiteral("已禁止"));
  EXPECT_EQ(Board().password, "4321");
  person.boxes.clear();
  person.modalScripts.push_back([](QDialog& window) {
    auto& password = static_cast<PasswordWindow&>(window);
    QTest::keyClicks(password.编辑框1, QStringLiteral("5937"));
    QTest::mouseClick(password.按钮1, Qt::LeftButton);
    return window.result();
  });
  Choose(QStringLiteral("设置禁止"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !person.boxes.empty(); }, 3000));
  EXPECT_EQ(person.boxes[0].text, QStringLiteral("密码错误"));
  EXPECT_EQ(person.boxes[0].icon, Operator::Icon::Error);
}

TEST_F(Maintenance, LatePasswordAcceptanceAfterTheListWasClearedSendsNothing) {
  QTest::mouseClick(live.W().寻找按钮, Qt::LeftButton);  // empties the list; nothing selected
  ASSERT_TRUE(QTest::qWaitFor([&] { return List().topLevelItemCount() == 1; }, 3000));
  ASSERT_EQ(live.screen->devices.SelectedRow(), -1);
  simulator.ClearReceived();

  person.modalScripts.push_back([](QDialog& window) {
    QTest::mouseClick(static_cast<ProhibitWindow&>(window).按钮1, Qt::LeftButton);
    return window.result();
  });
  QUdpSocket lateBoard;
  lateBoard.writeDatagram(QByteArray("password=1"), QHostAddress(QHostAddress::LocalHost),
                          DeviceLink::kLocalPort);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !person.windows.empty(); }, 3000));
  ASSERT_NO_FATAL_FAILURE(Settle());  // only the marker search arrived
  EXPECT_TRUE(person.boxes.empty());
}

TEST_F(Maintenance, WifiRestartAndUpgrade) {
  person.answers = {true};
  person.modalScripts.push_back([](QDialog& window) {
    auto& wifi = static_cast<WifiWindow&>(window);
    QTest::keyClicks(wifi.编辑框1, QStringLiteral("home"));
    QTest::keyClicks(wifi.编辑框2, QStringLiteral("se cret"));
    QTest::mouseClick(wifi.按钮1, Qt::LeftButton);
    return window.result();
  });
  simulator.ClearReceived();
  Choose(QStringLiteral("修改WiFi连接"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return person.boxes.size() == 2; }, 3000));
  EXPECT_EQ(person.boxes[1].text, QStringLiteral("修改指令已执行成功！"));
  EXPECT_EQ(Wire(), std::vector<QByteArray>{"wifi=home|se cret"});
  EXPECT_EQ(Board().wifiSsid, "home");
  EXPECT_EQ(Board().wifiPassword, "se cret");

  person.boxes.clear();
  person.answers = {true, true};
  Choose(QStringLiteral("强制升级固件       "));
  ASSERT_TRUE(WaitForWire(2));
  EXPECT_EQ(Board().upgrades, 1);
  EXPECT_EQ(person.boxes.back().caption, QStringLiteral("提示"));

  Choose(QStringLiteral("重启设备"));
  ASSERT_TRUE(WaitForWire(3));
  EXPECT_EQ(simulator.Received().back().bytes, QByteArray("rest"));
  EXPECT_TRUE(simulator.IsRestarting(kBoardIp));
  EXPECT_EQ(person.Texts().last(), QStringLiteral("重启指令发送成功"));
}

}  // namespace
}  // namespace quorvane
