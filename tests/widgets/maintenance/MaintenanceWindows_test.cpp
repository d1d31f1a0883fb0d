#include <QElapsedTimer>
#include <QTest>

#include "maintenance/PasswordWindow.h"
#include "maintenance/ProhibitWindow.h"
#include "maintenance/SearchIdWindow.h"
#include "maintenance/WifiWindow.h"
#include "tests/support/ScreenFixture.h"
#include "tests/support/Typing.h"

namespace quorvane {
namespace {

using Sent = std::vector<RecordingLink::Sent>;

class MaintenanceWindows : public ScreenFixture {
 protected:
  void SetUp() override {
    Receive(QStringLiteral("IP,A01,10.0.0.2,2.3,0"));
    Receive(QStringLiteral("IP,a01,10.0.0.3,2.3,0"));
    Receive(QStringLiteral("IP,A01,10.0.0.4,2.3,0"));
    Receive(QStringLiteral("IP,A011,10.0.0.5,2.3,0"));
    screen->devices.SelectRow(0);
  }
  BoardAccess Access() { return BoardAccess{screen->devices, link, person}; }
  static bool Closed(const QDialog& window) { return window.result() == QDialog::Accepted; }
  // Shown and active, as the person sees it: only then does a dialog give Enter to a button.
  static void ShowActive(QDialog& window, QWidget* focus) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    focus->setFocus();
  }
};

struct Control {
  QWidget* widget;
  const char* name;
  const char* caption;  // nullptr for an edit box
  QRect place;
};

void ExpectLayout(const QDialog& window, const char* caption, QSize size,
                  const std::vector<Control>& controls) {
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8(caption));
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(window.parentWidget(), nullptr);
  for (const Control& c : controls) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(window.findChild<QWidget*>(QString::fromUtf8(c.name)), c.widget);
    EXPECT_EQ(c.widget->geometry(), c.place);
    QString text;
    if (auto* label = qobject_cast<QLabel*>(c.widget)) {
      text = label->text();
      EXPECT_EQ(label->textFormat(), Qt::PlainText);
    } else if (auto* button = qobject_cast<QAbstractButton*>(c.widget)) {
      text = button->text();
    } else if (auto* edit = qobject_cast<QLineEdit*>(c.widget)) {
      EXPECT_EQ(edit->text(), QString());
      EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);  // passwords show as typed
    }
    if (c.caption) {
      EXPECT_EQ(text, QString::fromUtf8(c.caption));
    }
  }
}

TEST_F(MaintenanceWindows, HaveTheirCaptionsSizesAndControls) {
  PasswordWindow password(Access());
  ExpectLayout(password, "设备密码验证", {333, 196},
               {{password.标签1, "标签1", "验证密码", {34, 31, 56, 24}},
                {password.编辑框1, "编辑框1", nullptr, {98, 31, 184, 28}},
                {password.按钮1, "按钮1", "确定", {127, 93, 80, 32}},
                {password.标签2, "标签2", "设备初始密码：5937", {8, 142, 312, 24}}});
  ProhibitWindow prohibit(Access());
  ExpectLayout(prohibit, "设置禁止", {380, 250},
               {{prohibit.选择框1, "选择框1", "禁止设置（隐藏参数）", {128, 40, 160, 24}},
                {prohibit.标签1, "标签1", "修改密码", {32, 113, 64, 28}},
                {prohibit.编辑框1, "编辑框1", nullptr, {104, 113, 168, 28}},
                {prohibit.标签2, "标签2", "留空不改", {280, 112, 64, 28}},
                {prohibit.按钮1, "按钮1", "确认设置", {148, 173, 80, 32}}});
  EXPECT_FALSE(prohibit.选择框1->isChecked());
  WifiWindow wifi(Access());
  ExpectLayout(wifi, "修改WiFi连接", {333, 196},
               {{wifi.标签3, "标签3", "不支持中文WiFi名称", {128, 8, 176, 16}},
                {wifi.标签1, "标签1", "新WiFi名称（SSID）", {8, 31, 112, 24}},
                {wifi.编辑框1, "编辑框1", nullptr, {122, 31, 184, 28}},
                {wifi.标签2, "标签2", "新WiFi密码", {40, 72, 72, 24}},
                {wifi.编辑框2, "编辑框2", nullptr, {122, 72, 184, 28}},
                {wifi.按钮1, "按钮1", "确定修改", {119, 125, 89, 32}}});
  SearchIdWindow search(Access());
  ExpectLayout(search, "寻找设备ID", {333, 196},
               {{search.标签1, "标签1", "设备ID", {26, 31, 56, 24}},
                {search.编辑框1, "编辑框1", nullptr, {82, 31, 206, 28}},
                {search.按钮1, "按钮1", "搜索", {127, 93, 80, 32}}});
}

TEST_F(MaintenanceWindows, PasswordWindowSendsOnButtonAndEnter) {
  {
    PasswordWindow window(Access());
    ShowActive(window, window.编辑框1);
    QTest::keyClick(window.编辑框1, Qt::Key_Return);  // empty
    EXPECT_EQ(person.Texts(), Strings({"密码不能为空！"}));
    EXPECT_TRUE(link.sent.empty());
    EXPECT_FALSE(Closed(window));

    QTest::keyClicks(window.编辑框1, QStringLiteral("  "));  // blanks travel unchanged
    QTest::keyClick(window.编辑框1, Qt::Key_Return);
    EXPECT_EQ(link.sent, (Sent{{"password=  ", "10.0.0.2"}}));
    EXPECT_TRUE(Closed(window));
  }
  link.sent.clear();
  person.boxes.clear();
  {
    PasswordWindow window(Access());
    QTest::keyClicks(window.编辑框1, QStringLiteral("5937"));
    link.sendSucceeds = false;
    QTest::mouseClick(window.按钮1, Qt::LeftButton);
    EXPECT_EQ(person.Texts(), Strings({"指令发送失败！"}));
    EXPECT_FALSE(Closed(window));
    EXPECT_EQ(window.编辑框1->text(), QStringLiteral("5937"));
    EXPECT_EQ(link.sent, (Sent{{"password=5937", "10.0.0.2"}}));
  }
}

TEST_F(MaintenanceWindows, ProhibitWindowSendsFlagThenNewPassword) {
  struct Case {
    const char* name;
    bool tick;
    const char* typed;
    Sent sent;
  } cases[] = {
      {"unticked at once", false, "", {{"prohibit=0", "10.0.0.2"}}},
      {"ticked, no password", true, "", {{"prohibit=1", "10.0.0.2"}}},
      {"a fifth character has no effect",
       false,
       "12345",
       {{"prohibit=0", "10.0.0.2"}, {"szpassword=1234", "10.0.0.2"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    link.sent.clear();
    person.boxes.clear();
    ProhibitWindow window(Access());
    window.选择框1->setChecked(c.tick);
    QTest::keyClicks(window.编辑框1, QString::fromUtf8(c.typed));
    QTest::mouseClick(window.按钮1, Qt::LeftButton);
    EXPECT_EQ(link.sent, c.sent);
    EXPECT_TRUE(Closed(window));
    EXPECT_EQ(person.Texts(), Strings({"操作指令发送成功！请重新搜索设备验证是否设置成功！"}));
  }
  link.sent.clear();
  person.boxes.clear();
  ProhibitWindow window(Access());
  QTest::keyClicks(window.编辑框1, QStringLiteral("99"));
  QTest::keyClick(window.编辑框1, Qt::Key_Return);
  EXPECT_EQ(link.sent, (Sent{{"prohibit=0", "10.0.0.2"}, {"szpassword=99", "10.0.0.2"}}));
  EXPECT_EQ(ProhibitWindow(Access()).编辑框1->MaxBytes(), 4);
}

TEST_F(MaintenanceWindows, ProhibitWindowPausesBetweenTheTwoCommands) {
  struct TimedLink : RecordingLink {
    bool SendCommand(const std::string& text, const std::string& ip) override {
      atMs.push_back(clock.elapsed());
      return RecordingLink::SendCommand(text, ip);
    }
    QElapsedTimer clock;
    std::vector<qint64> atMs;
  } timed;
  timed.clock.start();
  ProhibitWindow window(BoardAccess{screen->devices, timed, person});
  QTest::keyClicks(window.编辑框1, QStringLiteral("1"));
  QTest::mouseClick(window.按钮1, Qt::LeftButton);
  ASSERT_EQ(timed.atMs.size(), 2u);
  EXPECT_GE(timed.atMs[1] - timed.atMs[0], 100);
}

TEST_F(MaintenanceWindows, ProhibitWindowReportsEachFailedSend) {
  link.sendSucceeds = false;
  ProhibitWindow first(Access());
  QTest::keyClicks(first.编辑框1, QStringLiteral("1"));
  QTest::mouseClick(first.按钮1, Qt::LeftButton);
  EXPECT_EQ(link.sent, (Sent{{"prohibit=0", "10.0.0.2"}}));  // no new password after a failure
  EXPECT_EQ(person.Texts(), Strings({"禁止指令发送失败！"}));
  EXPECT_FALSE(Closed(first));

  // The second datagram fails: the first has gone out all the same.
  struct FailSecond : RecordingLink {
    bool SendCommand(const std::string& text, const std::string& ip) override {
      RecordingLink::SendCommand(text, ip);
      return sent.size() < 2;
    }
  } failSecond;
  person.boxes.clear();
  ProhibitWindow second(BoardAccess{screen->devices, failSecond, person});
  QTest::keyClicks(second.编辑框1, QStringLiteral("1"));
  QTest::mouseClick(second.按钮1, Qt::LeftButton);
  EXPECT_EQ(failSecond.sent.size(), 2u);
  EXPECT_EQ(person.Texts(), Strings({"修改密码指令发送失败！"}));
  EXPECT_FALSE(Closed(second));
}

TEST_F(MaintenanceWindows, WifiWindowChecksSendsAndRefusesTheSeparator) {
  struct Case {
    const char* name;
    const char* ssid;
    const char* password;
    const char* message;  // nullptr: sent and closed
  } cases[] = {
      {"no SSID", "", "pw", "请输入正确的WiFi名称"},
      {"no password", "home", "", "请输入正确的WiFi器密码"},
      {"bar in the SSID", "a|b", "c", "WiFi名称中不能含有字符“|”，请修改！"},
      {"bar in the password", "ab", "c|d", "WiFi密码中不能含有字符“|”，请修改！"},
      {"both filled", "家里 WiFi", " pw ", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    link.sent.clear();
    person.boxes.clear();
    WifiWindow window(Access());
    TypeText(window.编辑框1, QString::fromUtf8(c.ssid));
    TypeText(window.编辑框2, QString::fromUtf8(c.password));
    ShowActive(window, window.编辑框2);
    QTest::keyClick(window.编辑框2, Qt::Key_Return);  // Enter is not bound here
    EXPECT_TRUE(link.sent.empty());
    QTest::mouseClick(window.按钮1, Qt::LeftButton);
    if (c.message) {
      EXPECT_EQ(person.Texts(), Strings({c.message}));
      EXPECT_TRUE(link.sent.empty());
      EXPECT_FALSE(Closed(window));
    } else {
      EXPECT_TRUE(person.boxes.empty());
      const std::string gbkSsid = "\xBC\xD2\xC0\xEF WiFi";  // 家里 in GBK
      EXPECT_EQ(link.sent, (Sent{{"wifi=" + gbkSsid + "| pw ", "10.0.0.2"}}));
      EXPECT_TRUE(Closed(window));
    }
  }
}

TEST_F(MaintenanceWindows, WifiWindowWithoutRowOrWithFailedSendStaysSilentAndOpen) {
  link.sendSucceeds = false;
  WifiWindow failing(Access());
  QTest::keyClicks(failing.编辑框1, QStringLiteral("n"));
  QTest::keyClicks(failing.编辑框2, QStringLiteral("p"));
  QTest::mouseClick(failing.按钮1, Qt::LeftButton);
  EXPECT_EQ(link.sent.size(), 1u);
  EXPECT_FALSE(Closed(failing));

  link.sent.clear();
  W().超级列表框1->clearSelection();
  WifiWindow noRow(Access());
  QTest::keyClicks(noRow.编辑框1, QStringLiteral("n"));
  QTest::keyClicks(noRow.编辑框2, QStringLiteral("p"));
  QTest::mouseClick(noRow.按钮1, Qt::LeftButton);
  EXPECT_TRUE(link.sent.empty());
  EXPECT_TRUE(person.boxes.empty());
}

TEST_F(MaintenanceWindows, SearchSelectsTheFirstWholeCaseSensitiveMatchWithoutReading) {
  struct Case {
    const char* id;
    int selected;  // -1: not found
  } cases[] = {
      {"A01", 0}, {"a01", 1}, {"A0", -1}, {"A011", 3}, {"B", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    person.boxes.clear();
    screen->devices.SelectRow(2);
    SearchIdWindow window(Access());
    QTest::keyClicks(window.编辑框1, QString::fromUtf8(c.id));
    ShowActive(window, window.编辑框1);
    QTest::keyClick(window.编辑框1, Qt::Key_Return);  // Enter is not bound here
    EXPECT_EQ(screen->devices.SelectedRow(), 2);
    QTest::mouseClick(window.按钮1, Qt::LeftButton);
    if (c.selected < 0) {
      EXPECT_EQ(person.Texts(), Strings({"未找到相关设备"}));
      EXPECT_FALSE(Closed(window));
      EXPECT_EQ(screen->devices.SelectedRow(), 2);
    } else {
      EXPECT_TRUE(person.boxes.empty());
      EXPECT_TRUE(Closed(window));
      EXPECT_EQ(screen->devices.SelectedRow(), c.selected);
      EXPECT_EQ(W().超级列表框1->currentItem(), W().超级列表框1->topLevelItem(c.selected));
    }
  }
  EXPECT_TRUE(link.sent.empty());  // selecting reads nothing

  SearchIdWindow empty(Access());
  QTest::mouseClick(empty.按钮1, Qt::LeftButton);
  EXPECT_EQ(person.Texts().last(), QStringLiteral("设备ID不能为空"));
}

TEST_F(MaintenanceWindows, WithoutASelectedRowNothingIsSent) {
  W().超级列表框1->clearSelection();
  PasswordWindow password(Access());
  QTest::keyClicks(password.编辑框1, QStringLiteral("5937"));
  QTest::mouseClick(password.按钮1, Qt::LeftButton);
  ProhibitWindow prohibit(Access());
  QTest::mouseClick(prohibit.按钮1, Qt::LeftButton);
  EXPECT_TRUE(link.sent.empty());
  EXPECT_TRUE(person.boxes.empty());
  EXPECT_FALSE(Closed(password));
  EXPECT_FALSE(Closed(prohibit));
}

}  // namespace
}  // namespace quorvane
