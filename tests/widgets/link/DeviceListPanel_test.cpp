#include "link/DeviceListPanel.h"

#include "link/SearchAnswer.h"

#include <QTest>
#include <random>

#include "tests/support/ScreenFixture.h"

namespace quorvane {
namespace {

class DeviceList : public ScreenFixture {
 protected:
  QStringList Row(int row) {
    QStringList cells;
    for (int c = 0; c < 5; ++c) cells << W().超级列表框1->topLevelItem(row)->text(c);
    return cells;
  }
  int Rows() { return W().超级列表框1->topLevelItemCount(); }
  const QString kFirmwareMessage = QStringLiteral(
      "固件版本低于2.0的设备请用老版本设置工具设置或者更新固件！\r\n\r\n"
      "注：2x以上版本和1x的部分指令有少许修改，如果不确认是否要升级的建议不用升级");
};

TEST_F(DeviceList, FindBroadcastsSsAndEmptiesTheListAndForm) {
  Receive(QStringLiteral("IP,OLD,10.0.0.9,2.0,0"));
  W().mqtt地址编辑框->setText(QStringLiteral("from an earlier board"));
  Click(W().寻找按钮);
  EXPECT_EQ(link.sent, (std::vector<RecordingLink::Sent>{{"ss", ""}}));
  EXPECT_EQ(Rows(), 0);
  EXPECT_EQ(W().mqtt地址编辑框->text(), QString());  // the form was cleared too
  EXPECT_TRUE(person.boxes.empty());
}

TEST_F(DeviceList, FailedBroadcastSaysSoAndTouchesNothing) {
  Receive(QStringLiteral("IP,A01,10.0.0.2,2.3,0"));
  W().mqtt地址编辑框->setText(QStringLiteral("kept"));
  W().上电开单选框->setChecked(true);
  link.broadcastSucceeds = false;
  Click(W().寻找按钮);
  ASSERT_EQ(person.boxes.size(), 1u);
  EXPECT_EQ(person.boxes[0].text, QStringLiteral("发送失败！"));
  EXPECT_EQ(person.boxes[0].caption, QStringLiteral("信息："));
  EXPECT_EQ(Rows(), 1);
  EXPECT_EQ(W().mqtt地址编辑框->text(), QStringLiteral("kept"));
  EXPECT_TRUE(W().上电开单选框->isChecked());
}

TEST_F(DeviceList, SearchAnswersBecomeRowsInArrivalOrder) {
  Receive(QStringLiteral("IP,A01,192.168.1.50,2.3,1"));
  Receive(QStringLiteral("IP,B02,192.168.1.51"));
  Receive(QStringLiteral("IP,C03,192.168.1.52,2.0,0"));
  Receive(QStringLiteral("IP,C03,192.168.1.52,2.0,0"));
  Receive(QStringLiteral("IP,A01"));  // no address: ignored without a word
  Receive(QStringLiteral("IP"));
  Receive(QStringLiteral("ip,X,1.2.3.4"));  // not a search answer
  ASSERT_EQ(Rows(), 4);
  EXPECT_EQ(Row(0), (Strings({"设备信息", "192.168.1.50", "A01", "2.3", "已禁止"})));
  EXPECT_EQ(Row(1), (Strings({"设备信息", "192.168.1.51", "B02", "", "允许"})));
  EXPECT_EQ(Row(2), (Strings({"设备信息", "192.168.1.52", "C03", "2.0", "允许"})));
  EXPECT_EQ(Row(3), Row(2));
  EXPECT_TRUE(person.boxes.empty());
  EXPECT_TRUE(link.sent.empty());
  EXPECT_EQ(screen->devices.SelectedRow(), -1);
}

TEST_F(DeviceList, CellsKeepTheBytesTheBoardSent) {
  const QByteArray id("\xC9\xE8\xB1\xB8\xFF\xFF");  // "设备" and a pair that is not GBK
  ReceiveBytes("IP," + id + ",10.0.0.7, 2.5 ");
  ASSERT_EQ(Rows(), 1);
  EXPECT_EQ(screen->devices.CellText(0, DeviceListPanel::kId), id.toStdString());
  EXPECT_EQ(screen->devices.CellText(0, DeviceListPanel::kVersion), " 2.5 ");
  EXPECT_TRUE(W().超级列表框1->topLevelItem(0)->text(2).startsWith(QStringLiteral("设备")));
}

TEST_F(DeviceList, LeftClickReadsBoardsOfVersionTwoOrHigher) {
  struct Case {
    const char* version;
    bool read;
  } cases[] = {{"2", true}, {"2.0", true},   {"2.31", true},   {"1.9", false},
               {"", false}, {"２.０", true}, {"１.９", false}, {"beta", false}};
  Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    W().超级列表框1->clear();
    link.sent.clear();
    person.boxes.clear();
    QString answer = QStringLiteral("IP,ID7,127.0.0.7");
    if (*c.version) answer += QStringLiteral(",") + QString::fromUtf8(c.version);
    Receive(answer);
    ClickRow(0);
    EXPECT_EQ(screen->devices.SelectedRow(), 0);
    if (c.read) {
      EXPECT_EQ(link.sent, (std::vector<RecordingLink::Sent>{{"read", "127.0.0.7"}}));
      EXPECT_TRUE(person.boxes.empty());
    } else {
      EXPECT_TRUE(link.sent.empty());
      ASSERT_EQ(person.boxes.size(), 1u);
      EXPECT_EQ(person.boxes[0].text, kFirmwareMessage);
      EXPECT_EQ(person.boxes[0].caption, QStringLiteral("信息："));
    }
  }
}

TEST_F(DeviceList, ClickOnTheSelectedRowReadsAgainAndEmptySpaceDoesNothing) {
  Show();
  Receive(QStringLiteral("IP,A,127.0.0.2,2.3"));
  Receive(QStringLiteral("IP,B,127.0.0.3,2.3"));
  ClickRow(1);
  ClickRow(1);
  EXPECT_EQ(link.sent,
            (std::vector<RecordingLink::Sent>{{"read", "127.0.0.3"}, {"read", "127.0.0.3"}}));
  link.sent.clear();
  QTest::mouseClick(W().超级列表框1->viewport(), Qt::LeftButton, {}, QPoint(300, 180));
  EXPECT_EQ(screen->devices.SelectedRow(), -1);
  EXPECT_TRUE(link.sent.empty());
  EXPECT_TRUE(person.boxes.empty());
}

TEST_F(DeviceList, RightClickAsksForThePopupOnlyWithASelectedRow) {
  Show();
  int popups = 0;
  screen->devices.SetPopupRequest([&](const QPoint&) { ++popups; });
  Receive(QStringLiteral("IP,A,127.0.0.2,2.3"));
  QTest::mouseClick(W().超级列表框1->viewport(), Qt::RightButton, {}, QPoint(300, 180));
  EXPECT_EQ(popups, 0);
  QRect row = W().超级列表框1->visualItemRect(W().超级列表框1->topLevelItem(0));
  QTest::mouseClick(W().超级列表框1->viewport(), Qt::RightButton, {}, row.center());
  EXPECT_EQ(popups, 1);
  EXPECT_TRUE(link.sent.empty());  // a right click reads nothing
}

TEST_F(DeviceList, TheListAndItsCellsAreBounded) {
  const std::string longCell(kMaxSearchCellBytes + 1, 'x');
  ReceiveBytes(QByteArray::fromStdString("IP," + longCell + ",10.0.0.1,2.3"));
  ReceiveBytes(QByteArray::fromStdString("IP,A,10.0.0.1," + longCell));
  ReceiveBytes(QByteArray::fromStdString("IP,A," + longCell + ",2.3"));
  EXPECT_EQ(Rows(), 0);
  const std::string longest(kMaxSearchCellBytes, 'y');
  ReceiveBytes(QByteArray::fromStdString("IP," + longest + ",10.0.0.1,2.3"));
  EXPECT_EQ(Rows(), 1);
  for (int i = 1; i < DeviceListPanel::kMaxRows + 50; ++i) {
    Receive(QStringLiteral("IP,B%1,10.0.%2.%3,2.3").arg(i).arg(i / 250).arg(i % 250 + 1));
  }
  EXPECT_EQ(Rows(), DeviceListPanel::kMaxRows);
  EXPECT_EQ(W().超级列表框1->topLevelItem(Rows() - 1)->text(2),
            QStringLiteral("B%1").arg(DeviceListPanel::kMaxRows - 1));
  Click(W().寻找按钮);  // a new search starts a new list
  Receive(QStringLiteral("IP,NEW,10.0.0.1,2.3"));
  EXPECT_EQ(Rows(), 1);
}

TEST_F(DeviceList, AnyDatagramIsHandledWithoutHarm) {
  std::mt19937 random(11);
  auto noise = [&](qsizetype size, const QByteArray& prefix) {
    QByteArray bytes = prefix;
    while (bytes.size() < size) bytes.append(static_cast<char>(random()));
    return bytes;
  };
  ReceiveBytes(noise(65507, "IP,"));
  ReceiveBytes(noise(65507, "parameter|"));
  ReceiveBytes(noise(1024, ""));
  ReceiveBytes(QByteArray("IP,\x81,\x81", 7));             // lead bytes at field ends
  ReceiveBytes(QByteArray("IP,A\0,1.2.3.4,2.0", 17));      // NUL: only "IP,A" is the text
  ReceiveBytes(QByteArray("IP,Z,127.0.0.9,2.0\x81", 19));  // lead byte at the very end
  // Whatever was listed has exactly the received bytes in its cells.
  for (int row = 0; row < Rows(); ++row) {
    EXPECT_FALSE(screen->devices.CellText(row, DeviceListPanel::kIp).empty());
  }
  EXPECT_EQ(screen->devices.CellText(Rows() - 1, DeviceListPanel::kVersion), "2.0\x81");
  EXPECT_TRUE(person.boxes.empty());
}

}  // namespace
}  // namespace quorvane
