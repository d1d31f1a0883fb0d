#include "settings/SettingsChecks.h"

#include <vector>

#include "text/GbkText.h"

namespace quorvane {

namespace {

struct Required {
  const QString& text;
  const char* message;
  FormField focus;
};

struct Written {
  const QString* text;
  const char* name;
  FormField focus;
};

std::optional<CheckFailure> FirstEmpty(const std::vector<Required>& boxes) {
  for (const Required& box : boxes) {
    if (box.text.isEmpty()) return CheckFailure{QString::fromUtf8(box.message), box.focus};
  }
  return std::nullopt;
}

std::optional<CheckFailure> FirstUnsafe(const std::vector<Written>& values) {
  for (const Written& value : values) {
    const QString name = QString::fromUtf8(value.name);
    if (value.text->contains(u'|')) {
      return CheckFailure{name + QStringLiteral("中不能含有字符“|”，请修改！"), value.focus};
    }
    if (!ToGbk(*value.text)) {
      return CheckFailure{name + QStringLiteral("中含有无法发送给设备的字符，请修改！"),
                          value.focus};
    }
  }
  return std::nullopt;
}

std::optional<CheckFailure> Message(const char* text) {
  return CheckFailure{QString::fromUtf8(text), FormField::None};
}

}  // namespace

std::optional<CheckFailure> CheckSettings(const SettingsSnapshot& f) {
  if (!f.rowSelected) return Message("没有选择设备！请先在列表里面选择被设置设备！");
  if (!f.powerChosen) return Message("请设置一种上电状态！");
  if (f.customIdEnabled && f.customId.isEmpty()) return Message("请输入要设置的自定义ID！");
  if (!f.dynamicIp && !f.staticIp) return Message("请选择一种获取IP的方式！");
  if (f.staticIp && (f.ipAddress.isEmpty() || f.gateway.isEmpty() || f.netmask.isEmpty())) {
    return Message("请完整输入静态IP相关的信息！");
  }
  if (!f.workMode) return Message("请选择一种工作模式！");

  std::vector<Written> written;
  if (f.customIdEnabled) written.push_back({&f.customId, "自定义设备ID", FormField::CustomId});

  switch (*f.workMode) {
    case WorkMode::TcpClient:
      if (auto failure = FirstEmpty({
              {f.serverAddress, "请输入TCP服务器地址！", FormField::ServerAddress},
              {f.serverPort, "请输入TCP服务器端口！", FormField::ServerPort},
          })) {
        return failure;
      }
      written.insert(written.end(), {
          {&f.serverAddress, "TCP服务器地址", FormField::ServerAddress},
          {&f.serverPort, "TCP服务器端口", FormField::ServerPort},
      });
      break;
    case WorkMode::BemfaTcp:
      if (auto failure = FirstEmpty({
              {f.bemfaKey, "请输入巴法云物联网平台的私钥！", FormField::BemfaKey},
          })) {
        return failure;
      }
      written.push_back({&f.bemfaKey, "巴法云私钥", FormField::BemfaKey});
      break;
    case WorkMode::Mqtt:
      if (auto failure = FirstEmpty({
              {f.mqttHost, "请输入MQTT服务器地址！", FormField::MqttHost},
              {f.mqttPort, "请输入MQTT服务器端口！", FormField::MqttPort},
              {f.mqttClientId, "请输入MQTT_ClientID！", FormField::MqttClientId},
              {f.mqttSubscribeTopic, "请输入Topic(订阅)！", FormField::MqttSubscribeTopic},
              {f.mqttPublishTopic, "请输入发布订阅！", FormField::MqttPublishTopic},
          })) {
        return failure;
      }
      written.insert(written.end(), {
          {&f.mqttHost, "MQTT服务器地址", FormField::MqttHost},
          {&f.mqttPort, "MQTT服务器端口", FormField::MqttPort},
          {&f.mqttAccount, "MQTT账号", FormField::MqttAccount},
          {&f.mqttPassword, "MQTT密码", FormField::MqttPassword},
          {&f.mqttClientId, "MQTT_ClientID", FormField::MqttClientId},
          {&f.mqttSubscribeTopic, "Topic(订阅)", FormField::MqttSubscribeTopic},
          {&f.mqttPublishTopic, "发布订阅", FormField::MqttPublishTopic},
      });
      break;
    case WorkMode::TcpServer:
    case WorkMode::HttpGet:
      break;
  }
  return FirstUnsafe(written);
}

}  // namespace quorvane
