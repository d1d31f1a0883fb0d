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
  f.mqttHost = QStringLiteral("broker");
  f.mqttPort = QStringLiteral("1883");
  f.mqttClientId = QStringLiteral("dev01");
  f.mqttSubscribeTopic = QStringLiteral("in");
  f.mqttPublishTopic = QStringLiteral("out");
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
    FormField focus;
  } cases[] = {
      {"valid MQTT form", ValidMqttForm, [](auto&) {}, nullptr, FormField::None},
      {"no row selected wins over everything", AfterSearch,
       [](auto& f) { f.rowSelected = false; f.customIdEnabled = true; },
       "没有选择设备！请先在列表里面选择被设置设备！", FormField::None},
      {"after a search the power message comes first", AfterSearch, [](auto&) {},
       "请设置一种上电状态！", FormField::None},
      {"custom ID checked but empty", ValidMqttForm,
       [](auto& f) { f.customIdEnabled = true; f.dynamicIp = false; },
       "请输入要设置的自定义ID！", FormField::None},
      {"custom ID of blanks passes", ValidMqttForm,
       [](auto& f) { f.customIdEnabled = true; f.customId = QStringLiteral("  "); }, nullptr,
       FormField::None},
      {"no IP mode", ValidMqttForm, [](auto& f) { f.dynamicIp = false; f.workMode.reset(); },
       "请选择一种获取IP的方式！", FormField::None},
      {"static with gateway blank", ValidMqttForm,
       [](auto& f) {
         f.dynamicIp = false;
         f.staticIp = true;
         f.ipAddress = QStringLiteral("10.0.0.5");
         f.netmask = QStringLiteral("255.255.255.0");
       },
       "请完整输入静态IP相关的信息！", FormField::None},
      {"dynamic ignores blank address boxes", ValidMqttForm, [](auto& f) { f.gateway.clear(); },
       nullptr, FormField::None},
      {"no work mode", ValidMqttForm, [](auto& f) { f.workMode.reset(); },
       "请选择一种工作模式！", FormField::None},
      {"TCP client without address", ValidMqttForm,
       [](auto& f) { f.workMode = WorkMode::TcpClient; },
       "请输入TCP服务器地址！", FormField::ServerAddress},
      {"TCP client without port", ValidMqttForm,
       [](auto& f) { f.workMode = WorkMode::TcpClient; f.serverAddress = QStringLiteral("s"); },
       "请输入TCP服务器端口！", FormField::ServerPort},
      {"Bemfa without key", ValidMqttForm, [](auto& f) { f.workMode = WorkMode::BemfaTcp; },
       "请输入巴法云物联网平台的私钥！", FormField::BemfaKey},
      {"TCP server needs nothing more", AfterSearch,
       [](auto& f) { f.powerChosen = true; f.staticIp = true; f.ipAddress = f.gateway = f.netmask = QStringLiteral("1.2.3.4"); f.workMode = WorkMode::TcpServer; },
       nullptr, FormField::None},
      {"MQTT without host", ValidMqttForm, [](auto& f) { f.mqttHost.clear(); f.mqttPort.clear(); },
       "请输入MQTT服务器地址！", FormField::MqttHost},
      {"MQTT without port", ValidMqttForm, [](auto& f) { f.mqttPort.clear(); },
       "请输入MQTT服务器端口！", FormField::MqttPort},
      {"MQTT without client ID", ValidMqttForm, [](auto& f) { f.mqttClientId.clear(); },
       "请输入MQTT_ClientID！", FormField::MqttClientId},
      {"MQTT without subscribe topic", ValidMqttForm, [](auto& f) { f.mqttSubscribeTopic.clear(); },
       "请输入Topic(订阅)！", FormField::MqttSubscribeTopic},
      {"MQTT without publish topic", ValidMqttForm, [](auto& f) { f.mqttPublishTopic.clear(); },
       "请输入发布订阅！", FormField::MqttPublishTopic},
      {"MQTT account and password may be empty", ValidMqttForm,
       [](auto& f) { f.mqttAccount.clear(); f.mqttPassword.clear(); }, nullptr, FormField::None},
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
      {"custom ID", [](auto& f) { f.customIdEnabled = true; f.customId = QStringLiteral("A|B"); },
       "自定义设备ID中不能含有字符“|”，请修改！", FormField::CustomId},
      {"server address",
       [](auto& f) { f.workMode = WorkMode::TcpClient; f.serverAddress = QStringLiteral("a|b"); f.serverPort = QStringLiteral("1"); },
       "TCP服务器地址中不能含有字符“|”，请修改！", FormField::ServerAddress},
      {"server port",
       [](auto& f) { f.workMode = WorkMode::TcpClient; f.serverAddress = QStringLiteral("a"); f.serverPort = QStringLiteral("8|"); },
       "TCP服务器端口中不能含有字符“|”，请修改！", FormField::ServerPort},
      {"Bemfa key", [](auto& f) { f.workMode = WorkMode::BemfaTcp; f.bemfaKey = QStringLiteral("|"); },
       "巴法云私钥中不能含有字符“|”，请修改！", FormField::BemfaKey},
      {"MQTT password", [](auto& f) { f.mqttPassword = QStringLiteral("pa|ss"); },
       "MQTT密码中不能含有字符“|”，请修改！", FormField::MqttPassword},
      {"MQTT publish topic", [](auto& f) { f.mqttPublishTopic = QStringLiteral("out|x"); },
       "发布订阅中不能含有字符“|”，请修改！", FormField::MqttPublishTopic},
      {"a character GBK cannot carry", [](auto& f) { f.mqttClientId = QStringLiteral("dev😀"); },
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

TEST(CheckSettings, BarsInFieldsTheModeDoesNotWriteDoNotMatter) {
  SettingsSnapshot form = ValidMqttForm();
  form.bemfaKey = QStringLiteral("a|b");
  form.serverAddress = QStringLiteral("a|b");
  form.customId = QStringLiteral("x|y");  // not enabled: the record carries "ID"
  EXPECT_FALSE(CheckSettings(form).has_value());
}

}  // namespace
}  // namespace quorvane
