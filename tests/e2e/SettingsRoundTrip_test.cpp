// For each work mode: read a simulated board, edit, write, and read the board again, over the
// real link inside a private network namespace.
#include <gtest/gtest.h>
#include <QTest>
#include <functional>

#include "tests/support/Typing.h"

#include "link/DeviceLink.h"
#include "tests/support/LiveScreen.h"
#include "tools/boardsim/BoardSimulator.h"

namespace quorvane {
namespace {

class SettingsRoundTrip : public testing::Test {
 protected:
  void SetUp() override {
    simulator.SetRestartMs(300);
    simulator.AddBoard({.id = "B01", .ip = "127.0.0.2", .record = DefaultRecordFor(2, "")});
    ASSERT_TRUE(simulator.Start());
    live.Open();

    QTest::mouseClick(W().寻找按钮, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return W().超级列表框1->topLevelItemCount() == 1; }, 3000));
  }

  MainWindow& W() { return live.W(); }

  // Clicks the board and waits until the form shows its work mode's page.
  void ReadBoard(int expectedPage) {
    live.screen->form.ClearSettingsForm();
    live.ClickRow(0);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return W().高级选择夹->currentIndex() == expectedPage; }, 3000));
  }

  std::vector<QByteArray> Writes() const {
    std::vector<QByteArray> out;
    for (const ReceivedDatagram& d : simulator.Received()) {
      if (d.bytes.startsWith("parameter|")) out.push_back(d.bytes);
    }
    return out;
  }

  BoardSimulator simulator;
  LiveScreen live;
  ScriptedOperator& person = live.person;
};

TEST_F(SettingsRoundTrip, EveryModeWritesExactlyItsRecordAndReadsItBack) {
  struct Case {
    const char* name;
    std::string startRecord;
    int page;
    std::function<void(MainWindow&)> edit;
    QByteArray expected;
    std::function<void(MainWindow&)> verify;
  } cases[] = {
      {"TCP client", DefaultRecordFor(1, ""), 1,
       [](MainWindow& w) {
         QTest::mouseClick(w.上电开单选框, Qt::LeftButton);
         w.服务器TCP地址编辑框->clear();
         TypeText(w.服务器TCP地址编辑框, QStringLiteral("tcp.example.com"));
         w.服务器TCP端口编辑框->clear();
         TypeText(w.服务器TCP端口编辑框, QStringLiteral("9000"));
         QTest::mouseClick(w.ID心跳单选框, Qt::LeftButton);
         QTest::mouseClick(w.收不到100秒选择框, Qt::LeftButton);
       },
       "parameter|1|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|tcp.example.com|9000|2|0|1",
       [](MainWindow& w) {
         EXPECT_TRUE(w.上电开单选框->isChecked());
         EXPECT_EQ(w.服务器TCP地址编辑框->text(), QStringLiteral("tcp.example.com"));
         EXPECT_EQ(w.服务器TCP端口编辑框->text(), QStringLiteral("9000"));
         EXPECT_TRUE(w.ID心跳单选框->isChecked());
         EXPECT_TRUE(w.收不到100秒选择框->isChecked());
       }},
      {"TCP server, static address", DefaultRecordFor(2, ""), 2,
       [](MainWindow& w) {
         QTest::mouseClick(w.静态IP单选框, Qt::LeftButton);
         w.IP编辑框->SetText(QStringLiteral("192.168.7.60"));
         w.网关编辑框->SetText(QStringLiteral("192.168.7.1"));
         w.掩码编辑框->SetText(QStringLiteral("255.255.255.0"));
       },
       "parameter|2|2|1|0|ID|192,168,7,60|192,168,7,1|255,255,255,0",
       [](MainWindow& w) {
         EXPECT_TRUE(w.静态IP单选框->isChecked());
         EXPECT_EQ(w.IP编辑框->Text(), QStringLiteral("192.168.7.60"));
         EXPECT_EQ(w.透明标签10->text(), QStringLiteral("设备TCP地址：127.0.0.2    端口：8282"));
       }},
      {"HTTP GET, custom ID", DefaultRecordFor(3, ""), 3,
       [](MainWindow& w) {
         QTest::mouseClick(w.自定ID选择框, Qt::LeftButton);
         TypeText(w.自定ID编辑框, QStringLiteral("客厅01"));
       },
       "parameter|2|3|0|1|\xBF\xCD\xCC\xFC"
       "01|0,0,0,0|0,0,0,0|0,0,0,0",
       [](MainWindow& w) {
         EXPECT_TRUE(w.自定ID选择框->isChecked());
         EXPECT_EQ(w.自定ID编辑框->text(), QStringLiteral("客厅01"));
         EXPECT_EQ(w.get编辑框->text(), QStringLiteral("http://127.0.0.2/?command=c1"));
       }},
      {"Bemfa cloud", DefaultRecordFor(4, ""), 4,
       [](MainWindow& w) {
         QTest::mouseClick(w.断电记忆单选框, Qt::LeftButton);
         w.巴法云私钥编辑框->clear();
         TypeText(w.巴法云私钥编辑框, QStringLiteral("ffeeddccbbaa99887766554433221100"));
       },
       "parameter|2|4|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|ffeeddccbbaa99887766554433221100",
       [](MainWindow& w) {
         EXPECT_EQ(w.巴法云私钥编辑框->text(), QStringLiteral("ffeeddccbbaa99887766554433221100"));
       }},
      {"MQTT, no account or password", DefaultRecordFor(5, ""), 5,
       [](MainWindow& w) {
         QTest::mouseClick(w.上电关单选框, Qt::LeftButton);
         w.mqtt账号编辑框->clear();
         w.mqtt密码编辑框->clear();
         w.mqtt_ID编辑框->clear();
         TypeText(w.mqtt_ID编辑框, QStringLiteral("dev01"));
       },
       "parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|broker.local|1883|||dev01|relay/in|relay/out",
       [](MainWindow& w) {
         EXPECT_EQ(w.mqtt_ID编辑框->text(), QStringLiteral("dev01"));
         EXPECT_EQ(w.mqtt账号编辑框->text(), QString());
         EXPECT_EQ(w.mqtt发布编辑框->text(), QStringLiteral("relay/out"));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The board starts from this mode's record, as if it had been set up so before.
    ASSERT_TRUE(simulator.SetRecord("127.0.0.2", c.startRecord));
    simulator.ClearReceived();

    ReadBoard(c.page);
    c.edit(W());
    person.boxes.clear();
    person.answers = {true};
    QTest::mouseClick(W().确认保存按钮, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Writes().empty(); }, 3000))
        << person.Texts().join(u'\n').toStdString();
    EXPECT_EQ(Writes(), std::vector<QByteArray>{c.expected});
    EXPECT_EQ(simulator.Received().back().sourcePort, DeviceLink::kLocalPort);
    EXPECT_EQ(simulator.Received().back().destination, QHostAddress(QStringLiteral("127.0.0.2")));
    ASSERT_EQ(person.boxes.size(), 2u);
    EXPECT_EQ(person.boxes[1].text, QStringLiteral("写入指令发送成功！设备将自动重启生效！"));

    // The board restarts after storing its settings and answers nothing until it is back.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !simulator.IsRestarting("127.0.0.2"); }, 3000));
    ReadBoard(c.page);
    c.verify(W());
  }
}

TEST_F(SettingsRoundTrip, CancelInTheQuestionSendsNothing) {
  ReadBoard(2);
  simulator.ClearReceived();
  person.answers = {false};
  QTest::mouseClick(W().确认保存按钮, Qt::LeftButton);
  // A search sent afterwards is a marker: anything the write sent would have arrived first.
  QTest::mouseClick(W().寻找按钮, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !simulator.Received().empty(); }, 3000));
  ASSERT_EQ(simulator.Received().size(), 1u);
  EXPECT_EQ(simulator.Received()[0].bytes, QByteArray("ss"));
  EXPECT_EQ(simulator.Board("127.0.0.2")->record, DefaultRecordFor(2, ""));
}

}  // namespace
}  // namespace quorvane
