#include "maintenance/MaintenanceAnswers.h"

#include <QTest>

#include "maintenance/ProhibitWindow.h"
#include "tests/support/ScreenFixture.h"

namespace quorvane {
namespace {

using Sent = std::vector<RecordingLink::Sent>;

class MaintenanceAnswersTest : public ScreenFixture {
 protected:
  void SetUp() override {
    Receive(QStringLiteral("IP,A01,10.0.0.2,2.3,0"));
    Receive(QStringLiteral("IP,B02,10.0.0.3,2.3,0"));
  }
};

TEST_F(MaintenanceAnswersTest, StateAnswersAskAndOkSendsTheOppositeToTheRowSelectedThen) {
  struct Case {
    const char* answer;
    const char* question;
    const char* followUp;
  } cases[] = {
      {"ksok", "当前设备按键没有被锁定状态！可以手动控制开关，是否需要将其锁定禁止使用？", "sd"},
      {"sdok", "当前设备按键已经被锁定！不能手动控制开关，是否需要将其解除锁定？", "ks"},
      {"appz=0", "当前设备【上电30秒自动进入配网状态】是关闭状态，是否要开启？", "appz=1"},
      {"appz=1", "当前设备【上电30秒自动进入配网状态】是开启状态，是否要关闭？", "appz=0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    for (int selected : {-1, 1}) {
      for (bool ok : {true, false}) {
        link.sent.clear();
        person.boxes.clear();
        W().超级列表框1->clearSelection();
        if (selected >= 0) screen->devices.SelectRow(selected);
        person.answers = {ok};
        Receive(QString::fromUtf8(c.answer));
        ASSERT_EQ(person.boxes.size(), 1u);
        EXPECT_TRUE(person.boxes[0].question);
        EXPECT_EQ(person.boxes[0].text, QString::fromUtf8(c.question));
        EXPECT_EQ(person.boxes[0].caption, QStringLiteral("状态提示"));
        const Sent expected = ok && selected >= 0 ? Sent{{c.followUp, "10.0.0.3"}} : Sent{};
        EXPECT_EQ(link.sent, expected) << "selected " << selected << " ok " << ok;
      }
    }
  }
}

TEST_F(MaintenanceAnswersTest, ResultAnswersOnlyInform) {
  struct Case {
    const char* answer;
    const char* message;
    Operator::Icon icon;
  } cases[] = {
      {"password=0", "密码错误", Operator::Icon::Error},
      {"wifi_ok", "修改指令已执行成功！", Operator::Icon::None},
      {"appz_ok", "上电30秒自动进入配网状态设置指令执行成功", Operator::Icon::None},
  };
  screen->devices.SelectRow(0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    person.boxes.clear();
    Receive(QString::fromUtf8(c.answer));
    ASSERT_EQ(person.boxes.size(), 1u);
    EXPECT_FALSE(person.boxes[0].question);
    EXPECT_EQ(person.boxes[0].text, QString::fromUtf8(c.message));
    EXPECT_EQ(person.boxes[0].caption, QStringLiteral("信息："));
    EXPECT_EQ(person.boxes[0].icon, c.icon);
  }
  for (const char* noise : {"wifi_ok\r\n", "WIFI_OK", "appz=2", "password="}) {
    Receive(QString::fromUtf8(noise));
  }
  EXPECT_EQ(person.boxes.size(), 1u);
  EXPECT_TRUE(link.sent.empty());
  EXPECT_TRUE(person.windows.empty());
}

TEST_F(MaintenanceAnswersTest, AFloodOfOneAnswerOpensOneQuestion) {
  screen->devices.SelectRow(0);
  person.answers = {false, true};  // the inner question is answered first
  person.whileAsking = [this] {
    for (int i = 0; i < 1000; ++i) Receive(QStringLiteral("ksok"));  // dropped: its box is open
    Receive(QStringLiteral("appz=0"));  // another kind may still ask, above it
  };
  Receive(QStringLiteral("ksok"));
  ASSERT_EQ(person.boxes.size(), 2u);
  EXPECT_TRUE(person.boxes[1].text.contains(QStringLiteral("上电30秒")));
  EXPECT_EQ(link.sent, (Sent{{"sd", "10.0.0.2"}}));  // the appz question was refused
  // Closed again: the next answer asks again.
  person.answers = {false};
  Receive(QStringLiteral("ksok"));
  EXPECT_EQ(person.boxes.size(), 3u);
}

TEST_F(MaintenanceAnswersTest, AcceptedPasswordOpensTheProhibitWindowAndAnswersNestInside) {
  screen->devices.SelectRow(0);
  // While the prohibit window waits for the person, a key-lock answer arrives and asks above it.
  person.modalScripts.push_back([this](QDialog& window) {
    person.answers = {true};
    Receive(QStringLiteral("ksok"));
    EXPECT_EQ(link.sent, (Sent{{"sd", "10.0.0.2"}}));
    auto& prohibit = static_cast<ProhibitWindow&>(window);
    prohibit.选择框1->setChecked(true);
    QTest::mouseClick(prohibit.按钮1, Qt::LeftButton);
    return window.result();
  });
  Receive(QStringLiteral("password=1"));
  EXPECT_EQ(person.windows, std::vector<QString>{QStringLiteral("ProhibitWindow")});
  EXPECT_EQ(link.sent, (Sent{{"sd", "10.0.0.2"}, {"prohibit=1", "10.0.0.2"}}));
  EXPECT_EQ(person.Texts().last(),
            QStringLiteral("操作指令发送成功！请重新搜索设备验证是否设置成功！"));
}

}  // namespace
}  // namespace quorvane
