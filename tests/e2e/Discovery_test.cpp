// The real link on the product's ports against the board simulator program, inside a private
// network namespace.
#include <gtest/gtest.h>
#include <QProcess>
#include <QTest>

#include "tests/support/Printers.h"

#include "tests/support/LiveScreen.h"

namespace quorvane {
namespace {

class Discovery : public testing::Test {
 protected:
  void SetUp() override {
    simulator.setProgram(QStringLiteral(QUORVANE_BOARDSIM));
    simulator.setArguments({
        QStringLiteral("--board"),    QStringLiteral("127.0.0.2"), QStringLiteral("--id"),
        QStringLiteral("A01"),        QStringLiteral("--version"), QStringLiteral("2.3"),
        QStringLiteral("--prohibit"), QStringLiteral("--board"),   QStringLiteral("127.0.0.3"),
        QStringLiteral("--id"),       QStringLiteral("厨房"),      QStringLiteral("--version"),
        QStringLiteral("2.0"),        QStringLiteral("--board"),   QStringLiteral("127.0.0.4"),
        QStringLiteral("--id"),       QStringLiteral("OLD"),       QStringLiteral("--version"),
        QStringLiteral("1.9"),
    });
    simulator.start();
    ASSERT_TRUE(simulator.waitForStarted(5000));
    ASSERT_TRUE(WaitForLog(QStringLiteral("ready 8113"))) << log.toStdString();

    live.Open();
  }

  void TearDown() override {
    simulator.kill();
    simulator.waitForFinished();
  }

  bool WaitForLog(const QString& line) {
    return QTest::qWaitFor(
        [&] {
          log += QString::fromUtf8(simulator.readAllStandardOutput());
          return log.contains(line);
        },
        5000);
  }

  QProcess simulator;
  QString log;
  LiveScreen live;
};

TEST_F(Discovery, SearchListsEveryBoardAndAClickReadsTheClickedOne) {
  ReportListView& list = *live.W().超级列表框1;
  QTest::mouseClick(live.W().寻找按钮, Qt::LeftButton);
  ASSERT_TRUE(WaitForLog(QStringLiteral("recv 0.0.0.0:8114 -> 255.255.255.255 7373 ss")))
      << log.toStdString();
  ASSERT_TRUE(QTest::qWaitFor([&] { return list.topLevelItemCount() == 3; }, 3000));

  auto row = [&](int r) {
    QStringList cells;
    for (int c = 0; c < 5; ++c) cells << list.topLevelItem(r)->text(c);
    return cells;
  };
  QList<QStringList> rows = {row(0), row(1), row(2)};
  EXPECT_TRUE(rows.contains(Strings({"设备信息", "127.0.0.2", "A01", "2.3", "已禁止"})));
  EXPECT_TRUE(rows.contains(Strings({"设备信息", "127.0.0.3", "厨房", "2.0", "允许"})));
  EXPECT_TRUE(rows.contains(Strings({"设备信息", "127.0.0.4", "OLD", "1.9", "允许"})));

  for (int r = 0; r < 3; ++r) {
    if (list.topLevelItem(r)->text(1) == QStringLiteral("127.0.0.3")) live.ClickRow(r);
  }
  // Exactly the four bytes "read", from port 8114 to the clicked board's address.
  ASSERT_TRUE(WaitForLog(QStringLiteral("recv 127.0.0.1:8114 -> 127.0.0.3 72656164 read")))
      << log.toStdString();

  for (int r = 0; r < 3; ++r) {
    if (list.topLevelItem(r)->text(1) == QStringLiteral("127.0.0.4")) live.ClickRow(r);
  }
  ASSERT_EQ(live.person.boxes.size(), 1u);
  EXPECT_TRUE(live.person.boxes[0].text.startsWith(QStringLiteral("固件版本低于2.0的设备")));
  // A later read of another board is a marker: whatever the 1.9 click sent would precede it.
  for (int r = 0; r < 3; ++r) {
    if (list.topLevelItem(r)->text(1) == QStringLiteral("127.0.0.2")) live.ClickRow(r);
  }
  ASSERT_TRUE(WaitForLog(QStringLiteral("-> 127.0.0.2 72656164 read"))) << log.toStdString();
  EXPECT_FALSE(log.contains(QStringLiteral("-> 127.0.0.4"))) << log.toStdString();
  EXPECT_EQ(log.count(QStringLiteral("recv ")), 3) << log.toStdString();
}

}  // namespace
}  // namespace quorvane
