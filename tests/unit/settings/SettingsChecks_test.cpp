#include "settings/SettingsChecks.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/Printers.h"

namespace quorvane {
namespace {

SettingsSnapshot ValidMqttForm() {
  SettingsSnapshot f;
  f.rowSelected = true;
  f.powerChosen = true;
  f.dynamicIp = true;
  f.workMode = WorkMode::Mqtt;
  f[FormField::MqttHost] = QStringLiteral("broker");
  f[FormField::MqttPort] = QStringLiteral("1883");
  f[FormField::MqttClientId] = QStringLiteral("dev01");
  f[FormField::MqttSubscribeTopic] = QStringLiteral("in");
  f[FormField::MqttPublishTopic] = QStringLiteral("out");
  return f;
}

SettingsSnapshot AfterSearch() {
  SettingsSnapshot f;  // nothing chosen: a search clears power, address and mode choices
  f.rowSelected = true;
  return f;
}

TEST(CheckSettings, FirstProblemInTheFixedOrder) {
  using Change = std::function<void(SettingsSnapshot&)>;
  struct Case {
    const char* name;
    std::function<SettingsSnapshot()> start;
    Change change;
    const char* message;  // nullptr: the write may go ahead
    std::optional<FormField> focus;
  } cases[] = {
      {"valid MQTT form", ValidMqttForm, [](auto&) {}, nullptr, std::nullopt},
      {"no row selected wins over everything", AfterSearch,
       [](auto& f) {
         f.rowSelected = false;
         f.customIdEnabled = true;
       },
       "没有选择设备！请先在列表里面选择被设置设备！", std::nullopt},
      {"after a search the power message comes first", AfterSearch, [](auto&) {},
       "请设置一种上电状态！", std::nullopt},
      {"custom ID checked but empty", ValidMqttForm,
       [](auto& f) {
         f.customIdEnabled = true;
         f.dynamicIp = false;
       },
       "请输入要设置的自定义ID！", std::nullopt},
      {"custom ID of blanks passes", ValidMqttForm,
       [](auto& f) {
         f.customIdEnabled = true;
         f[FormField::CustomId] = QStringLiteral("  ");
       },
       nullptr, std::nullopt},
      {"no IP mode", ValidMqttForm,
       [](auto& f) {
         f.dynamicIp = false;
         f.workMode.reset();
       },
       "请选择一种获取IP的方式！", std::nullopt},
      {"static with gateway blank", ValidMqttForm,
       [](auto& f) {
         f.dynamicIp = false;
         f.staticIp = true;
         f[FormField::IpAddress] = QStringLiteral("10.0.0.5");
         f[FormField::Netmask] = QStringLiteral("255.255.255.0");
       },
       "请完整输入静态IP相关的信息！", std::nullopt},
      {"dynamic ignores blank address boxes", ValidMqttForm,
       [](auto& f) { f[FormField::Gateway].clear(); }, nullptr, std::nullopt},
      {"no work mode", ValidMqttForm, [](auto& f) { f.workMode.reset(); }, "请选择一种工作模式！",
       std::nullopt},
      {"TCP client without address", ValidMqttForm,
       [](auto& f) { f.workMode = WorkMode::TcpClient; }, "请输入TCP服务器地址！",
       FormField::ServerAddress},
      {"TCP client without port", ValidMqttForm,
       [](auto& f) {
         f.workMode = WorkMode::TcpClient;
         f[FormField::ServerAddress] = QStringLiteral("s");
       },
       "请输入TCP服务器端口！", FormField::ServerPort},
      {"Bemfa without key", ValidMqttForm, [](auto& f) { f.workMode = WorkMode::BemfaTcp; },
       "请输入巴法云物联网平台的私钥！", FormField::BemfaKey},
      {"TCP server needs nothing more", AfterSearch,
       [](auto& f) {
         f.powerChosen = true;
         f.staticIp = true;
         f[FormField::IpAddress] = f[FormField::Gateway] = f[FormField::Netmask] =
             QStringLiteral("1.2.3.4");
         f.workMode = WorkMode::TcpServer;
       },
       nullptr, std::nullopt},
      {"MQTT without host", ValidMqttForm,
       [](auto& f) {
         f[FormField::MqttHost].clear();
         f[FormField::MqttPort].clear();
       },
       "请输入MQTT服务器地址！", FormField::MqttHost},
      {"MQTT without port", ValidMqttForm, [](auto& f) { f[FormField::MqttPort].clear(); },
       "请输入MQTT服务器端口！", FormField::MqttPort},
      {"MQTT without client ID", ValidMqttForm, [](auto& f) { f[FormField::MqttClientId].clear(); },
       "请输入MQTT_ClientID！", FormField::MqttClientId},
      {"MQTT without subscribe topic", ValidMqttForm,
       [](auto& f) { f[FormField::MqttSubscribeTopic].clear(); }, "请输入Topic(订阅)！",
       FormField::MqttSubscribeTopic},
      {"MQTT without publish topic", ValidMqttForm,
       [](auto& f) { f[FormField::MqttPublishTopic].clear(); }, "请输入发布订阅！",
       FormField::MqttPublishTopic},
      {"MQTT account and password may be empty", ValidMqttForm,
       [](auto& f) {
         f[FormField::MqttAccount].clear();
         f[FormField::MqttPassword].clear();
       },
       nullptr, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsSnapshot form = c.start();
    c.change(form);
    auto failure = CheckSettings(form);
    if (!c.message) {
      EXPECT_FALSE(failure.has_value()) << failure->message.toStdString();
      continue;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, QString::fromUtf8(c.message));
    EXPECT_EQ(failure->focus, c.focus);
  }
}

TEST(CheckSettings, RefusesValuesThatWouldShiftThePieces) {
  using Change = std::function<void(SettingsSnapshot&)>;
  struct Case {
    const char* name;
    Change change;
    const char* message;
    FormField focus;
  } cases[] = {
      {"custom ID",
       [](auto& f) {
         f.customIdEnabled = true;
         f[FormField::CustomId] = QStringLiteral("A|B");
       },
       "自定义设备ID中不能含有字符“|”，请修改！", FormField::CustomId},
      {"server address",
       [](auto& f) {
         f.workMode = WorkMode::TcpClient;
         f[FormField::ServerAddress] = QStringLiteral("a|b");
         f[FormField::ServerPort] = QStringLiteral("1");
       },
       "TCP服务器地址中不能含有字符“|”，请修改！", FormField::ServerAddress},
      {"server port",
       [](auto& f) {
         f.workMode = WorkMode::TcpClient;
         f[FormField::ServerAddress] = QStringLiteral("a");
         f[FormField::ServerPort] = QStringLiteral("8|");
       },
       "TCP服务器端口中不能含有字符“|”，请修改！", FormField::ServerPort},
      {"Bemfa key",
       [](auto& f) {
         f.workMode = WorkMode::BemfaTcp;
         f[FormField::BemfaKey] = QStringLiteral("|");
       },
       "巴法云私钥中不能含有字符“|”，请修改！", FormField::BemfaKey},
      {"MQTT password", [](auto& f) { f[FormField::MqttPassword] = QStringLiteral("pa|ss"); },
       "MQTT密码中不能含有字符“|”，请修改！", FormField::MqttPassword},
      {"MQTT publish topic",
       [](auto& f) { f[FormField::MqttPublishTopic] = QStringLiteral("out|x"); },
       "发布订阅中不能含有字符“|”，请修改！", FormField::MqttPublishTopic},
      {"a character GBK cannot carry",
       [](auto& f) { f[FormField::MqttClientId] = QStringLiteral("dev😀"); },
       "MQTT_ClientID中含有无法发送给设备的字符，请修改！", FormField::MqttClientId},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsSnapshot form = ValidMqttForm();
    c.change(form);
    auto failure = CheckSettings(form);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, QString::fromUtf8(c.message));
    EXPECT_EQ(failure->focus, c.focus);
  }
}

TEST(CheckSettings, ARecordThatWouldNotFitOneDatagramNamesItsLongestField) {
  SettingsSnapshot form = ValidMqttForm();
  form[FormField::MqttPassword] = QString(40000, u'p');
  EXPECT_FALSE(CheckSettings(form).has_value());  // long, and still whole in one datagram
  form[FormField::MqttClientId] = QString(30000, u'c');
  auto failure = CheckSettings(form);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message, QStringLiteral("MQTT密码中的内容过长，请修改！"));
  EXPECT_EQ(failure->focus, FormField::MqttPassword);
}

TEST(CheckSettings, BarsInFieldsTheModeDoesNotWriteDoNotMatter) {
  SettingsSnapshot form = ValidMqttForm();
  form[FormField::BemfaKey] = QStringLiteral("a|b");
  form[FormField::ServerAddress] = QStringLiteral("a|b");
  form[FormField::CustomId] = QStringLiteral("x|y");  // not enabled: the record carries "ID"
  EXPECT_FALSE(CheckSettings(form).has_value());
}

}  // namespace
}  // namespace quorvane
