#include "maintenance/MaintenanceMenu.h"

#include <QAction>
#include <QTest>

#include "tests/support/ScreenFixture.h"

namespace quorvane {
namespace {

using Sent = std::vector<RecordingLink::Sent>;

class PopupMenu : public ScreenFixture {
 protected:
  void SetUp() override {
    Show();
    Receive(QStringLiteral("IP,A01,10.0.0.2,2.3,0"));
    Receive(QStringLiteral("IP,厨房,10.0.0.3,2.3,1"));
  }

  // A right click on the row, then the entry chosen from the popup.
  void Choose(int row, const QString& caption) {
    person.menuChoices.push_back(caption);
    QRect place = W().超级列表框1->visualItemRect(W().超级列表框1->topLevelItem(row));
    QTest::mouseClick(W().超级列表框1->viewport(), Qt::RightButton, {}, place.center());
  }

  // Plays a window by closing it at once, as the title-bar button does.
  void CloseNextWindow() {
    person.modalScripts.push_back([](QDialog& window) {
      window.reject();
      return window.result();
    });
  }

  MaintenanceMenu& Menu() { return screen->maintenance; }
};

TEST_F(PopupMenu, HasItsEntriesInOrderWithSeparators) {
  QStringList captions;
  for (QAction* action : Menu().Menu().actions()) {
    captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_TRUE(action->shortcut().isEmpty());
    EXPECT_FALSE(action->isCheckable());
    EXPECT_TRUE(action->isEnabled());
  }
  EXPECT_EQ(captions, Strings({"搜索ID", "-", "复制ID", "-", "复制IP", "-", "重启设备", "-",
                               "设置禁止", "-", "修改WiFi连接", "-", "解锁开关", "-",
                               "上电配网状态", "-", "强制升级固件       "}));
  EXPECT_EQ(Menu().Menu().title(), QStringLiteral("复制"));
}

TEST_F(PopupMenu, RightClickWithoutASelectedRowOpensNothing) {
  QTest::mouseClick(W().超级列表框1->viewport(), Qt::RightButton, {}, QPoint(300, 180));
  EXPECT_TRUE(person.menus.empty());
  EXPECT_TRUE(link.sent.empty());
  EXPECT_TRUE(person.boxes.empty());
}

TEST_F(PopupMenu, EachEntryActsOnTheRowItWasOpenedOn) {
  struct Case {
    const char* entry;
    std::function<void()> script;  // what the person will answer
    Sent sent;
    QStringList boxes;
    std::vector<QString> windows;
    QStringList clipboard;
  } cases[] = {
      {"复制ID", [] {}, {}, Strings({"ID已复制"}), {}, Strings({"厨房"})},
      {"复制IP", [] {}, {}, Strings({"IP已复制"}), {}, Strings({"10.0.0.3"})},
      {"重启设备", [] {}, {{"rest", "10.0.0.3"}}, Strings({"重启指令发送成功"}), {}, {}},
      {"解锁开关", [] {}, {{"qh", "10.0.0.3"}}, {}, {}, {}},
      {"上电配网状态", [] {}, {{"appz=?", "10.0.0.3"}}, {}, {}, {}},
      {"搜索ID", [this] { CloseNextWindow(); }, {}, {}, {QStringLiteral("SearchIdWindow")}, {}},
      {"设置禁止", [this] { CloseNextWindow(); }, {}, {}, {QStringLiteral("PasswordWindow")}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    link.sent.clear();
    person.boxes.clear();
    person.windows.clear();
    person.clipboard.clear();
    c.script();
    Choose(1, QString::fromUtf8(c.entry));
    EXPECT_EQ(link.sent, c.sent);
    EXPECT_EQ(person.Texts(), c.boxes);
    EXPECT_EQ(person.windows, c.windows);
    EXPECT_EQ(person.clipboard, c.clipboard);
    EXPECT_EQ(screen->devices.SelectedRow(), 1);
  }
}

TEST_F(PopupMenu, FailuresShowNothing) {
  link.sendSucceeds = false;
  Choose(0, QStringLiteral("重启设备"));
  person.answers = {true, true};
  Choose(0, QStringLiteral("强制升级固件       "));
  EXPECT_EQ(link.sent, (Sent{{"rest", "10.0.0.2"}, {"OTA", "10.0.0.2"}}));
  EXPECT_EQ(person.boxes.size(), 2u);  // the two upgrade questions, no result box
  person.boxes.clear();

  person.clipboardWorks = false;
  Choose(0, QStringLiteral("复制ID"));
  EXPECT_TRUE(person.boxes.empty());
}

TEST_F(PopupMenu, UpgradeNeedsBothConfirmations) {
  const QString first = QStringLiteral("升级固件有风险！建议没有问题情况下勿升级！确认要升级吗？");
  const QString second =
      QStringLiteral("升级过程中请勿断网断电！否则将导致无法开机！确认设备已经连接互联网了吗？");
  struct Case {
    const char* name;
    std::deque<bool> answers;
    QStringList questions;
    Sent sent;
  } cases[] = {
      {"Cancel at the first", {false}, {first}, {}},
      {"Cancel at the second", {true, false}, {first, second}, {}},
      {"OK at both", {true, true}, {first, second}, {{"OTA", "10.0.0.2"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    link.sent.clear();
    person.boxes.clear();
    person.answers = c.answers;
    Choose(0, QStringLiteral("强制升级固件       "));
    EXPECT_EQ(link.sent, c.sent);
    QStringList questions;
    for (const auto& box : person.boxes) {
      if (box.question) {
        questions << box.text;
        EXPECT_EQ(box.caption, QStringLiteral("提示"));
      }
    }
    EXPECT_EQ(questions, c.questions);
  }
  ASSERT_EQ(person.boxes.size(), 3u);
  EXPECT_EQ(person.boxes[2].caption, QStringLiteral("提示"));
  EXPECT_EQ(person.boxes[2].text,
            QStringLiteral("升级指令已发送成功！升级过程根据网速一般在30-60秒左右，升级完成后如搜索"
                           "不出设备请重新配网！"));
}

TEST_F(PopupMenu, WifiWindowOpensOnlyAfterTheWarning) {
  person.answers = {false};
  Choose(0, QStringLiteral("修改WiFi连接"));
  EXPECT_TRUE(person.windows.empty());
  ASSERT_EQ(person.boxes.size(), 1u);
  EXPECT_EQ(person.boxes[0].caption, QStringLiteral("谨慎操作"));
  EXPECT_TRUE(
      person.boxes[0].text.startsWith(QStringLiteral("修改WiFi连接会导致设备连接到新WiFi")));

  person.answers = {true};
  CloseNextWindow();
  Choose(0, QStringLiteral("修改WiFi连接"));
  EXPECT_EQ(person.windows, std::vector<QString>{QStringLiteral("WifiWindow")});
  EXPECT_TRUE(link.sent.empty());
}

TEST_F(PopupMenu, WithoutASelectedRowOnlySearchAndTheWifiWarningDoAnything) {
  W().超级列表框1->clearSelection();
  ASSERT_EQ(screen->devices.SelectedRow(), -1);
  Menu().CopyId();
  Menu().CopyIp();
  Menu().Restart();
  Menu().SetProhibit();
  Menu().QueryKeyLock();
  Menu().QueryConfigMode();
  EXPECT_TRUE(person.boxes.empty());
  EXPECT_TRUE(person.windows.empty());
  EXPECT_TRUE(person.clipboard.isEmpty());

  person.answers = {true, true};
  Menu().ForceUpgrade();  // asks both questions, then finds no board
  EXPECT_EQ(person.boxes.size(), 2u);

  CloseNextWindow();
  Menu().SearchId();
  person.answers = {true};
  CloseNextWindow();
  Menu().ChangeWifi();
  EXPECT_EQ(person.windows,
            (std::vector<QString>{QStringLiteral("SearchIdWindow"), QStringLiteral("WifiWindow")}));
  EXPECT_TRUE(link.sent.empty());
}

}  // namespace
}  // namespace quorvane
