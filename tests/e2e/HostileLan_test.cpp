// Whatever answers on the LAN, in a private network namespace: a mixed flood of valid,
// over-long, forged and meaningless datagrams against the real link and main screen.
#include <gtest/gtest.h>
#include <QTest>
#include <QUdpSocket>

#include "link/DeviceListPanel.h"
#include "link/SearchAnswer.h"
#include "tests/support/LiveScreen.h"
#include "tools/boardsim/BoardSimulator.h"

namespace quorvane {
namespace {

class HostileLan : public testing::Test {
 protected:
  void SetUp() override {
    simulator.AddBoard({.id = "REAL", .ip = "127.0.0.2", .record = DefaultRecordFor(2, "")});
    ASSERT_TRUE(simulator.Start());
    live.Open();
    ASSERT_TRUE(stranger.bind(QHostAddress(QStringLiteral("127.0.0.66")), 9000));
  }

  // Sends one batch from the stranger, then a marker box, and waits until the tool has read
  // it all: one sender's datagrams arrive in order.
  void Flood(const std::vector<QByteArray>& batch) {
    const size_t boxes = live.person.boxes.size();
    for (const QByteArray& datagram : batch) {
      stranger.writeDatagram(datagram, QHostAddress::LocalHost, DeviceLink::kLocalPort);
    }
    stranger.writeDatagram(QByteArray("appz_ok"), QHostAddress::LocalHost, DeviceLink::kLocalPort);
    ASSERT_TRUE(QTest::qWaitFor([&] { return live.person.boxes.size() > boxes; }, 10000));
  }

  ReportListView& List() { return *live.W().超级列表框1; }

  BoardSimulator simulator;
  LiveScreen live;
  QUdpSocket stranger;
};

TEST_F(HostileLan, AFloodListsOnlyValidAnswersWithinTheBoundAndNeverFillsTheForm) {
  QTest::mouseClick(live.W().寻找按钮, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return List().topLevelItemCount() == 1; }, 3000));
  live.screen->devices.SelectRow(0);  // the real board

  int valid = 1;
  const QByteArray forged("parameter|1|4|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|stolen-key");
  for (int round = 0; round < 24; ++round) {
    std::vector<QByteArray> batch;
    for (int i = 0; i < 500; ++i) {
      batch.push_back(QByteArray("IP,F") + QByteArray::number(round * 500 + i) + ",10.1.2.3,2.3,0");
    }
    valid += 500;
    batch.push_back("IP,BCAST,255.255.255.255,2.5,0");  // listed, but never a target
    ++valid;
    batch.push_back("IP," + QByteArray(kMaxSearchCellBytes + 1, 'x') + ",10.0.0.1,2.3");
    batch.push_back(QByteArray(65507, '\x81'));
    batch.push_back(forged);
    batch.push_back("ksok");  // a question nobody answers would block: refused below
    batch.push_back("garbage");
    live.person.answers.push_back(false);
    Flood(batch);
  }
  EXPECT_EQ(List().topLevelItemCount(), DeviceListPanel::kMaxRows);
  EXPECT_GT(valid, DeviceListPanel::kMaxRows);
  EXPECT_EQ(live.W().高级选择夹->currentIndex(), 0);  // no forged record was shown
  EXPECT_EQ(live.W().巴法云私钥编辑框->text(), QString());

  // A click on the broadcast row sends nothing, a write to it neither.
  simulator.ClearReceived();
  for (int row = 0; row < List().topLevelItemCount(); ++row) {
    if (List().topLevelItem(row)->text(2) == QStringLiteral("BCAST")) {
      live.screen->devices.SelectRow(row);
      break;
    }
  }
  live.screen->devices.ReadSelectedDevice();
  live.screen->devices.SelectRow(0);
  live.screen->devices.ReadSelectedDevice();  // the real board: its record comes back
  ASSERT_TRUE(QTest::qWaitFor([&] { return live.W().高级选择夹->currentIndex() == 2; }, 3000));
  ASSERT_EQ(simulator.Received().size(), 1u);
  EXPECT_EQ(simulator.Received()[0].destination, QHostAddress(QStringLiteral("127.0.0.2")));
}

}  // namespace
}  // namespace quorvane
