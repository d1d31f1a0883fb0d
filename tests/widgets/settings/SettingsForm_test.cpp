#include "settings/SettingsForm.h"

#include <QTest>
#include <algorithm>

#include "tests/support/ScreenFixture.h"

namespace quorvane {
namespace {

class SettingsFormTest : public ScreenFixture {
 protected:
  // A record from the selected board; without a selection a board is listed and selected first.
  void Record(const QString& text) {
    if (screen->devices.SelectedRow() < 0) {
      Receive(QStringLiteral("IP,T01,10.9.9.9,2.3"));
      screen->devices.SelectRow(screen->devices.RowCount() - 1);
    }
    ReceiveFromSelected(text);
  }
  QStringList Mqtt() {
    return {W().mqtt地址编辑框->text(), W().mqtt端口编辑框->text(), W().mqtt账号编辑框->text(),
            W().mqtt密码编辑框->text(), W().mqtt_ID编辑框->text(),  W().mqtt订阅编辑框->text(),
            W().mqtt发布编辑框->text()};
  }
  QAbstractButton* CheckedMode() {
    const auto radios = screen->form.ModeRadios();
    const int index = CheckedIndex(radios);
    return index < 0 ? nullptr : radios[static_cast<size_t>(index)];
  }
  int CheckedModeCount() {
    const auto radios = screen->form.ModeRadios();
    return static_cast<int>(std::ranges::count_if(radios, [](auto* b) { return b->isChecked(); }));
  }
};

TEST_F(SettingsFormTest, ShowsATcpClientRecord) {
  Record(
      QStringLiteral("parameter|1|1|1|1|A01|192,168,1,50|192,168,1,1|255,255,255,0|"
                     "srv.example|8080|2|1|0"));
  EXPECT_TRUE(W().上电开单选框->isChecked());
  EXPECT_FALSE(W().上电关单选框->isChecked());
  EXPECT_TRUE(W().自定ID选择框->isChecked());
  EXPECT_EQ(W().自定ID编辑框->text(), QStringLiteral("A01"));
  EXPECT_FALSE(W().自定ID编辑框->isEnabled());  // only the operator's click enables it
  EXPECT_TRUE(W().静态IP单选框->isChecked());
  EXPECT_FALSE(W().动态IP单选框->isChecked());
  EXPECT_EQ(W().IP编辑框->Text(), QStringLiteral("192.168.1.50"));
  EXPECT_EQ(W().网关编辑框->Text(), QStringLiteral("192.168.1.1"));  // not the PC's 192.168.7.1
  EXPECT_EQ(W().掩码编辑框->Text(), QStringLiteral("255.255.255.0"));
  EXPECT_TRUE(W().IP编辑框->isEnabled());
  EXPECT_EQ(W().高级选择夹->currentIndex(), 1);
  EXPECT_EQ(CheckedMode(), W().Client单选框);
  EXPECT_EQ(CheckedModeCount(), 1);
  EXPECT_EQ(W().服务器TCP地址编辑框->text(), QStringLiteral("srv.example"));
  EXPECT_EQ(W().服务器TCP端口编辑框->text(), QStringLiteral("8080"));
  EXPECT_TRUE(W().ID心跳单选框->isChecked());
  EXPECT_FALSE(W().Heartbeat心跳单选框->isChecked());
  EXPECT_TRUE(W().间隔1小时选择框->isChecked());
  EXPECT_FALSE(W().收不到100秒选择框->isChecked());
}

TEST_F(SettingsFormTest, ShowsEachModeOnItsPage) {
  struct Case {
    const char* name;
    QString record;
    int page;
    QAbstractButton* radio;
  } cases[] = {
      {"TCP server", QStringLiteral("parameter|0|2|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0"), 2,
       W().Server单选框},
      {"HTTP GET", QStringLiteral("parameter|0|3|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0"), 3,
       W().http单选框},
      {"Bemfa", QStringLiteral("parameter|0|4|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|密钥abc"), 4,
       W().巴法TCP单选框},
      {"MQTT", QStringLiteral("parameter|2|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|h|1883|||c|in|out"), 5,
       W().MQTT单选框},
  };
  Receive(QStringLiteral("IP,A01,10.0.0.2,2.3"));
  screen->devices.SelectRow(0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Record(c.record);
    EXPECT_EQ(W().高级选择夹->currentIndex(), c.page);
    EXPECT_EQ(CheckedMode(), c.radio);
    EXPECT_EQ(CheckedModeCount(), 1);
    EXPECT_TRUE(W().动态IP单选框->isChecked());
    EXPECT_FALSE(W().IP编辑框->isEnabled());
  }
  EXPECT_EQ(W().透明标签10->text(), QStringLiteral("设备TCP地址：10.0.0.2    端口：8282"));
  EXPECT_EQ(W().get编辑框->text(), QStringLiteral("http://10.0.0.2/?command=c1"));
  EXPECT_EQ(W().巴法云私钥编辑框->text(), QStringLiteral("密钥abc"));
  EXPECT_EQ(Mqtt(), (Strings({"h", "1883", "", "", "c", "in", "out"})));
  EXPECT_TRUE(W().断电记忆单选框->isChecked());
}

TEST_F(SettingsFormTest, RecordsCountOnlyFromTheSelectedBoard) {
  const QString record = QStringLiteral("parameter|1|4|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|forged");
  Receive(QStringLiteral("IP,A01,10.0.0.2,2.3"));
  Receive(QStringLiteral("IP,B02,10.0.0.3,2.3"));
  Receive(record, QStringLiteral("10.0.0.2"));  // nothing selected: nobody asked
  screen->devices.SelectRow(1);
  Receive(record, QStringLiteral("10.0.0.2"));   // another board
  Receive(record, QStringLiteral("10.0.0.66"));  // a stranger
  Receive(record);                               // no known sender
  EXPECT_EQ(W().高级选择夹->currentIndex(), 0);
  EXPECT_EQ(W().巴法云私钥编辑框->text(), QString());
  Receive(record, QStringLiteral("10.0.0.3"));
  EXPECT_EQ(W().高级选择夹->currentIndex(), 4);
  EXPECT_EQ(W().巴法云私钥编辑框->text(), QStringLiteral("forged"));
}

TEST_F(SettingsFormTest, PartialRecordsChangeOnlyWhatTheyCarry) {
  // Every case starts from the same form full of earlier values: a TCP client record shown
  // over an MQTT one, so both pages hold values.
  auto fillForm = [this] {
    screen->form.ClearSettingsForm();
    Record(QStringLiteral("parameter|1|1|1|1|OLD|10,0,0,5|10,0,0,1|255,0,0,0|old.srv|99|0|1|1"));
    Record(QStringLiteral("parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|mh|1|ma|mp|mc|ms|mo"));
    Record(QStringLiteral("parameter|1|1|1|1|OLD|10,0,0,5|10,0,0,1|255,0,0,0|old.srv|99|0|1|1"));
  };

  struct Case {
    const char* name;
    QString record;
    std::function<void()> verify;
  } cases[] = {
      {"five pieces change nothing", QStringLiteral("parameter|2|3|0|0"),
       [&] {
         EXPECT_TRUE(W().上电开单选框->isChecked());
         EXPECT_EQ(W().高级选择夹->currentIndex(), 1);
       }},
      {"static without addresses blanks and enables the boxes",
       QStringLiteral("parameter|2|1|1|0|ID|1,2,3,4"),
       [&] {
         EXPECT_TRUE(W().断电记忆单选框->isChecked());
         EXPECT_TRUE(W().静态IP单选框->isChecked());
         EXPECT_EQ(W().IP编辑框->Text(), QString());
         EXPECT_EQ(W().网关编辑框->Text(), QString());
         EXPECT_TRUE(W().IP编辑框->isEnabled());
         EXPECT_FALSE(W().自定ID选择框->isChecked());
         EXPECT_EQ(W().自定ID编辑框->text(), QString());
         EXPECT_EQ(W().服务器TCP地址编辑框->text(), QStringLiteral("old.srv"));
       }},
      {"TCP client tail too short keeps the page's values",
       QStringLiteral("parameter|0|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|new.srv|1"),
       [&] {
         EXPECT_EQ(W().高级选择夹->currentIndex(), 1);
         EXPECT_TRUE(W().Client单选框->isChecked());
         EXPECT_EQ(W().服务器TCP地址编辑框->text(), QStringLiteral("old.srv"));
         EXPECT_TRUE(W().无心跳单选框->isChecked());
         EXPECT_TRUE(W().收不到100秒选择框->isChecked());
       }},
      {"unknown digits leave their controls as they were",
       QStringLiteral("parameter|7|9|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0"),
       [&] {
         EXPECT_TRUE(W().上电开单选框->isChecked());
         EXPECT_TRUE(W().Client单选框->isChecked());
         EXPECT_EQ(W().高级选择夹->currentIndex(), 1);
         EXPECT_TRUE(W().动态IP单选框->isChecked());
       }},
      {"unknown heartbeat keeps the heartbeat radios",
       QStringLiteral("parameter|0|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|s|2|8|0|0"),
       [&] {
         EXPECT_TRUE(W().无心跳单选框->isChecked());
         EXPECT_FALSE(W().收不到100秒选择框->isChecked());
         EXPECT_EQ(W().服务器TCP地址编辑框->text(), QStringLiteral("s"));
       }},
      {"other modes' pages keep their values",
       QStringLiteral("parameter|0|2|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0"),
       [&] {
         EXPECT_EQ(Mqtt(), (Strings({"mh", "1", "ma", "mp", "mc", "ms", "mo"})));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fillForm();
    Record(c.record);
    c.verify();
  }
}

TEST_F(SettingsFormTest, PublishTopicOfTheRecordWinsOverAMirrorOfTheSubscribeBox) {
  // Copying subscribe into publish on every change, as the MQTT tools do.
  QObject::connect(W().mqtt订阅编辑框, &QLineEdit::textChanged, W().mqtt发布编辑框,
                   &QLineEdit::setText);
  Record(
      QStringLiteral("parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|h|1883|||c|relay/in|relay/out"));
  EXPECT_EQ(W().mqtt发布编辑框->text(), QStringLiteral("relay/out"));
  screen->form.ClearSettingsForm();
  EXPECT_EQ(W().mqtt发布编辑框->text(), QString());
}

TEST_F(SettingsFormTest, ClearLeavesOnlyTheDefaultHeartbeat) {
  Record(QStringLiteral("parameter|1|1|1|1|A|10,0,0,5|10,0,0,1|255,0,0,0|s|9|2|1|1"));
  W().返回内容标签->setText(QStringLiteral("返回：200 OK"));
  W().get编辑框->setText(QStringLiteral("http://x/?command=c1"));
  W().巴法云私钥编辑框->setText(QStringLiteral("k"));
  W().透明标签10->setText(QStringLiteral("设备TCP地址：1.2.3.4    端口：8282"));
  W().自定ID编辑框->setEnabled(true);
  screen->form.ClearSettingsForm();

  EXPECT_EQ(W().高级选择夹->currentIndex(), 0);
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
           W().上电关单选框, W().上电开单选框, W().断电记忆单选框, W().自定ID选择框,
           W().静态IP单选框, W().动态IP单选框, W().Client单选框, W().Server单选框, W().http单选框,
           W().巴法TCP单选框, W().MQTT单选框, W().无心跳单选框, W().ID心跳单选框,
           W().间隔1小时选择框, W().收不到100秒选择框}) {
    SCOPED_TRACE(b->objectName().toStdString());
    EXPECT_FALSE(b->isChecked());
  }
  EXPECT_TRUE(W().Heartbeat心跳单选框->isChecked());
  for (QLineEdit* box : std::initializer_list<QLineEdit*>{
           (W().自定ID编辑框), W().服务器TCP地址编辑框, W().服务器TCP端口编辑框, W().get编辑框,
           W().巴法云私钥编辑框}) {
    EXPECT_EQ(box->text(), QString());
  }
  EXPECT_EQ(Mqtt(), QStringList(7, QString()));
  EXPECT_EQ(W().IP编辑框->Text(), QString());
  EXPECT_EQ(W().返回内容标签->text(), QString());
  // Enabled states and the TCP server caption stay.
  EXPECT_TRUE(W().IP编辑框->isEnabled());
  EXPECT_TRUE(W().自定ID编辑框->isEnabled());
  EXPECT_EQ(W().透明标签10->text(), QStringLiteral("设备TCP地址：1.2.3.4    端口：8282"));
}

TEST_F(SettingsFormTest, ModeRadioClicksTurnPagesAndFillDerivedTexts) {
  Show();
  Click(W().Server单选框);
  EXPECT_EQ(W().高级选择夹->currentIndex(), 2);
  EXPECT_EQ(W().透明标签10->text(), QStringLiteral("设备TCP地址：设备IP    端口：8282"));
  Click(W().http单选框);
  EXPECT_EQ(W().高级选择夹->currentIndex(), 3);
  EXPECT_EQ(W().get编辑框->text(), QStringLiteral("http://设备IP地址/?command=c1"));
  EXPECT_EQ(CheckedModeCount(), 1);

  Receive(QStringLiteral("IP,A,10.1.1.8,1.0"));
  screen->devices.SelectRow(0);
  Click(W().Server单选框);
  EXPECT_EQ(W().透明标签10->text(), QStringLiteral("设备TCP地址：10.1.1.8    端口：8282"));
  Click(W().http单选框);
  EXPECT_EQ(W().get编辑框->text(), QStringLiteral("http://10.1.1.8/?command=c1"));

  W().mqtt地址编辑框->setText(QStringLiteral("kept"));
  const int pages[] = {1, 4, 5};
  QAbstractButton* radios[] = {W().Client单选框, W().巴法TCP单选框, W().MQTT单选框};
  for (int i = 0; i < 3; ++i) {
    Click(radios[i]);
    EXPECT_EQ(W().高级选择夹->currentIndex(), pages[i]);
    EXPECT_TRUE(radios[i]->isChecked());
    EXPECT_EQ(CheckedModeCount(), 1);
  }
  EXPECT_EQ(W().mqtt地址编辑框->text(), QStringLiteral("kept"));
  EXPECT_TRUE(link.sent.empty());
}

TEST_F(SettingsFormTest, StaticIpClickProposesTheGatewayOfThisPc) {
  Show();
  Record(QStringLiteral("parameter|0|2|1|0|ID|10,0,0,5|10,0,0,254|255,0,0,0"));
  Click(W().动态IP单选框);
  EXPECT_FALSE(W().IP编辑框->isEnabled());
  EXPECT_EQ(W().IP编辑框->Text(), QStringLiteral("10.0.0.5"));  // contents stay
  Click(W().静态IP单选框);
  EXPECT_TRUE(W().IP编辑框->isEnabled());
  EXPECT_TRUE(W().网关编辑框->isEnabled());
  EXPECT_EQ(W().IP编辑框->Text(), QStringLiteral("10.0.0.5"));
  EXPECT_EQ(W().网关编辑框->Text(), QStringLiteral("192.168.7.1"));  // 127.0.1.1 skipped
  EXPECT_EQ(W().掩码编辑框->Text(), QStringLiteral("255.255.255.0"));

  host.addresses = {"127.0.0.1"};
  W().网关编辑框->SetText(QStringLiteral("10.0.0.254"));
  Click(W().静态IP单选框);
  EXPECT_EQ(W().网关编辑框->Text(), QStringLiteral("10.0.0.254"));
  EXPECT_EQ(W().掩码编辑框->Text(), QStringLiteral("255.255.255.0"));
}

TEST_F(SettingsFormTest, CustomIdCheckBoxEnablesAndEmptiesItsBox) {
  Show();
  Record(QStringLiteral("parameter|0|2|0|1|A01|0,0,0,0|0,0,0,0|0,0,0,0"));
  EXPECT_FALSE(W().自定ID编辑框->isEnabled());
  EXPECT_EQ(W().自定ID编辑框->text(), QStringLiteral("A01"));
  Click(W().自定ID选择框);  // unchecked now
  EXPECT_FALSE(W().自定ID编辑框->isEnabled());
  EXPECT_EQ(W().自定ID编辑框->text(), QString());
  Click(W().自定ID选择框);  // checked again
  EXPECT_TRUE(W().自定ID编辑框->isEnabled());
  EXPECT_EQ(W().自定ID编辑框->text(), QString());
}

}  // namespace
}  // namespace quorvane
