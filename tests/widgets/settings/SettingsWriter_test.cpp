#include "settings/SettingsWriter.h"

#include <QTest>
#include <functional>

#include "tests/support/ScreenFixture.h"
#include "tests/support/Typing.h"

namespace quorvane {
namespace {

class WriteSettings : public ScreenFixture {
 protected:
  void SetUp() override {
    Show();
    Receive(QStringLiteral("IP,板01,127.0.0.2,2.3,1"));  // prohibited: written all the same
  }
  // A board's record shown after a click on its row, as an operator would have it.
  void ReadBoard(const QString& record) {
    ClickRow(0);
    ReceiveFromSelected(record);
    link.sent.clear();
  }
  void Write() { Click(W().确认保存按钮); }
  std::vector<RecordingLink::Sent> Records() {
    std::vector<RecordingLink::Sent> out;
    for (const auto& s : link.sent) {
      if (s.text.starts_with("parameter|")) out.push_back(s);
    }
    return out;
  }
};

TEST_F(WriteSettings, ChecksInOrderWithMessageAndFocus) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
    const char* message;
    QWidget* focus;  // nullptr: focus stays where the click put it
  } cases[] = {
      {"no row selected wins over everything",
       [&] {
         screen->form.ClearSettingsForm();
         W().超级列表框1->clearSelection();
       },
       "没有选择设备！请先在列表里面选择被设置设备！", nullptr},
      {"after a search the power message comes first",
       [&] {
         screen->devices.SelectRow(0);
         screen->form.ClearSettingsForm();
       },
       "请设置一种上电状态！", nullptr},
      {"custom ID checked and empty",
       [&] {
         screen->devices.SelectRow(0);
         screen->form.ClearSettingsForm();
         Click(W().上电开单选框);
         Click(W().自定ID选择框);
       },
       "请输入要设置的自定义ID！", nullptr},
      {"no address mode",
       [&] {
         screen->devices.SelectRow(0);
         screen->form.ClearSettingsForm();
         Click(W().上电开单选框);
       },
       "请选择一种获取IP的方式！", nullptr},
      {"static with the gateway blank",
       [&] {
         ReadBoard(QStringLiteral("parameter|0|2|1|0|ID|10,0,0,5|10,0,0,1|255,0,0,0"));
         W().网关编辑框->SetText(QString());
       },
       "请完整输入静态IP相关的信息！", nullptr},
      {"no work mode",
       [&] {
         screen->devices.SelectRow(0);
         screen->form.ClearSettingsForm();
         Click(W().上电开单选框);
         Click(W().动态IP单选框);
       },
       "请选择一种工作模式！", nullptr},
      {"TCP client without server address",
       [&] {
         ReadBoard(QStringLiteral("parameter|0|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|s|80|1|0|0"));
         W().服务器TCP地址编辑框->clear();
       },
       "请输入TCP服务器地址！", W().服务器TCP地址编辑框},
      {"TCP client without server port",
       [&] {
         ReadBoard(QStringLiteral("parameter|0|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|s|80|1|0|0"));
         W().服务器TCP端口编辑框->clear();
       },
       "请输入TCP服务器端口！", W().服务器TCP端口编辑框},
      {"empty Bemfa key",
       [&] {
         ReadBoard(QStringLiteral("parameter|0|4|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|k"));
         W().巴法云私钥编辑框->clear();
       },
       "请输入巴法云物联网平台的私钥！", W().巴法云私钥编辑框},
      {"MQTT without client ID",
       [&] {
         ReadBoard(QStringLiteral("parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|h|1|a|p|c|s|o"));
         W().mqtt_ID编辑框->clear();
       },
       "请输入MQTT_ClientID！", W().mqtt_ID编辑框},
      {"MQTT publish topic empty",
       [&] {
         ReadBoard(QStringLiteral("parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|h|1|a|p|c|s|o"));
         W().mqtt发布编辑框->clear();
       },
       "请输入发布订阅！", W().mqtt发布编辑框},
      {"a bar in the MQTT password",
       [&] {
         ReadBoard(QStringLiteral("parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|h|1|a|p|c|s|o"));
         W().mqtt密码编辑框->setText(QStringLiteral("p|w"));
       },
       "MQTT密码中不能含有字符“|”，请修改！", W().mqtt密码编辑框},
      {"a bar in the server address",
       [&] {
         ReadBoard(QStringLiteral("parameter|0|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|s|80|1|0|0"));
         W().服务器TCP地址编辑框->setText(QStringLiteral("a|b"));
       },
       "TCP服务器地址中不能含有字符“|”，请修改！", W().服务器TCP地址编辑框},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    person.boxes.clear();
    link.sent.clear();
    c.prepare();
    link.sent.clear();
    Write();
    ASSERT_EQ(person.boxes.size(), 1u);
    EXPECT_EQ(person.boxes[0].text, QString::fromUtf8(c.message));
    EXPECT_EQ(person.boxes[0].caption, QStringLiteral("信息："));
    EXPECT_FALSE(person.boxes[0].question);
    // Without a box to point at, the focus stays on the button that was pressed.
    EXPECT_EQ(QApplication::focusWidget(), c.focus ? c.focus : W().确认保存按钮);
    EXPECT_TRUE(link.sent.empty());
  }
}

TEST_F(WriteSettings, AsksThenSendsTheRecordToTheSelectedBoard) {
  ReadBoard(QStringLiteral("parameter|0|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|old|80|0|0|0"));
  W().服务器TCP地址编辑框->setText(QStringLiteral("new.example"));
  Click(W().断电记忆单选框);
  person.answers = {true};
  Write();
  ASSERT_EQ(person.boxes.size(), 2u);
  EXPECT_TRUE(person.boxes[0].question);
  EXPECT_EQ(person.boxes[0].text,
            QStringLiteral("确定要保存设备（设备IP：127.0.0.2-设备ID：板01） 的当前设置参数吗？"));
  EXPECT_EQ(person.boxes[0].caption, QStringLiteral("写入储存提示"));
  EXPECT_EQ(
      Records(),
      (std::vector<RecordingLink::Sent>{
          {"parameter|2|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|new.example|80|0|0|0", "127.0.0.2"}}));
  EXPECT_EQ(person.boxes[1].text, QStringLiteral("写入指令发送成功！设备将自动重启生效！"));
  EXPECT_EQ(person.boxes[1].caption, QStringLiteral("信息："));
  // The form is neither cleared nor reloaded.
  EXPECT_EQ(W().服务器TCP地址编辑框->text(), QStringLiteral("new.example"));
}

TEST_F(WriteSettings, CancelSendsNothingAndSaysNothing) {
  ReadBoard(QStringLiteral("parameter|0|2|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0"));
  person.answers = {false};
  Write();
  EXPECT_TRUE(link.sent.empty());
  ASSERT_EQ(person.boxes.size(), 1u);
  EXPECT_TRUE(person.boxes[0].question);
}

TEST_F(WriteSettings, AFailedSendIsSilent) {
  ReadBoard(QStringLiteral("parameter|0|2|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0"));
  link.sendSucceeds = false;
  person.answers = {true};
  Write();
  EXPECT_EQ(Records().size(), 1u);
  EXPECT_EQ(person.boxes.size(), 1u);  // only the question
}

TEST_F(WriteSettings, RecordTakesOnlyWhatTheChosenModeWrites) {
  struct Case {
    const char* name;
    QString record;
    std::function<void()> edit;
    std::string expected;
  } cases[] = {
      {"dynamic ignores stale addresses and other pages",
       QStringLiteral("parameter|1|1|1|0|ID|10,0,0,5|10,0,0,1|255,0,0,0|srv|80|1|0|0"),
       [&] {
         Click(W().动态IP单选框);
         W().mqtt地址编辑框->setText(QStringLiteral("not written"));
         Click(W().Server单选框);
       },
       "parameter|1|2|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0"},
      {"no heartbeat chosen becomes Heartbeat",
       QStringLiteral("parameter|0|2|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0"),
       [&] {
         CheckOnly(screen->form.HeartbeatRadios(), nullptr);
         Click(W().Client单选框);
         W().服务器TCP地址编辑框->setText(QStringLiteral("s"));
         W().服务器TCP端口编辑框->setText(QStringLiteral("1"));
       },
       "parameter|0|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|s|1|1|0|0"},
      {"custom ID of blanks travels unchanged",
       QStringLiteral("parameter|0|3|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0"),
       [&] {
         Click(W().自定ID选择框);
         TypeText(W().自定ID编辑框, QStringLiteral("  "));
       },
       "parameter|0|3|0|1|  |0,0,0,0|0,0,0,0|0,0,0,0"},
      {"static addresses in wire form",
       QStringLiteral("parameter|0|4|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|key"),
       [&] {
         Click(W().静态IP单选框);  // proposes 192.168.7.1 and 255.255.255.0
         W().IP编辑框->SetText(QStringLiteral("192.168.7.40"));
       },
       "parameter|0|4|1|0|ID|192,168,7,40|192,168,7,1|255,255,255,0|key"},
      {"MQTT with empty account and password, GBK topic",
       QStringLiteral("parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|h|1883|a|p|c|s|o"),
       [&] {
         W().mqtt账号编辑框->clear();
         W().mqtt密码编辑框->clear();
         W().mqtt订阅编辑框->setText(QStringLiteral("继电器/in"));  // mirrored into publish
         W().mqtt发布编辑框->setText(QStringLiteral("o"));
       },
       "parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|h|1883|||c|\xBC\xCC\xB5\xE7\xC6\xF7/in|o"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    person.boxes.clear();
    ReadBoard(c.record);
    c.edit();
    person.answers = {true};
    Write();
    ASSERT_EQ(Records().size(), 1u) << person.Texts().join(u'\n').toStdString();
    EXPECT_EQ(Records()[0].text, c.expected);
  }
}

TEST_F(WriteSettings, ALongValueShownWholeIsWrittenWhole) {
  const std::string password(40000, 'p');  // more than an edit box keeps by default
  ReadBoard(QString::fromStdString("parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|h|1883|a|" +
                                   password + "|c|s|o"));
  EXPECT_EQ(W().mqtt密码编辑框->text().size(), 40000);
  person.answers = {true};
  Write();
  ASSERT_EQ(Records().size(), 1u);
  EXPECT_EQ(Records()[0].text,
            "parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|h|1883|a|" + password + "|c|s|o");
}

TEST_F(WriteSettings, HeartbeatChoiceStaysEvenWhenCancelled) {
  ReadBoard(QStringLiteral("parameter|0|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|s|1|0|0|0"));
  CheckOnly(screen->form.HeartbeatRadios(), nullptr);
  person.answers = {false};
  Write();
  EXPECT_TRUE(W().Heartbeat心跳单选框->isChecked());
  EXPECT_TRUE(link.sent.empty());
}

}  // namespace
}  // namespace quorvane
