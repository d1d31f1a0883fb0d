#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "settings/ParameterRecord.h"

namespace quorvane {

// The text boxes of the settings form, in the order of their pieces in the record.
enum class FormField {
  CustomId,
  IpAddress,
  Gateway,
  Netmask,
  ServerAddress,
  ServerPort,
  BemfaKey,
  MqttHost,
  MqttPort,
  MqttAccount,
  MqttPassword,
  MqttClientId,
  MqttSubscribeTopic,
  MqttPublishTopic,
};
inline constexpr size_t kFormFieldCount = 14;

enum class FieldInput { Text, Digits, Address };

// Everything the form, the reader and the write checks need to know of one box.
struct FormFieldSpec {
  FormField field;
  std::string ParameterTexts::*piece;  // where its value travels in the record
  std::optional<WorkMode> mode;        // the mode whose tail carries it; none for the record's head
  int maxBytes;                        // what the operator may type, in GBK bytes; 0: no limit
  FieldInput input;
  const char* name;          // the box's name in messages about its value (UTF-8)
  const char* emptyMessage;  // UTF-8; set when its mode cannot be written with the box empty
};

// One row per FormField, in the enumeration's order. Within a mode, this order is the order of
// the empty checks, of showing (the MQTT subscribe box before the publish box, which may mirror
// it) and of clearing.
inline constexpr std::array<FormFieldSpec, kFormFieldCount> kFormFields = {{
    {FormField::CustomId, &ParameterTexts::customId, std::nullopt, 32, FieldInput::Text,
     "自定义设备ID", nullptr},
    {FormField::IpAddress, &ParameterTexts::ipAddress, std::nullopt, 0, FieldInput::Address,
     "设备IP", nullptr},
    {FormField::Gateway, &ParameterTexts::gateway, std::nullopt, 0, FieldInput::Address, "网关",
     nullptr},
    {FormField::Netmask, &ParameterTexts::netmask, std::nullopt, 0, FieldInput::Address, "掩码",
     nullptr},
    {FormField::ServerAddress, &ParameterTexts::serverAddress, WorkMode::TcpClient, 64,
     FieldInput::Text, "TCP服务器地址", "请输入TCP服务器地址！"},
    {FormField::ServerPort, &ParameterTexts::serverPort, WorkMode::TcpClient, 5, FieldInput::Digits,
     "TCP服务器端口", "请输入TCP服务器端口！"},
    {FormField::BemfaKey, &ParameterTexts::bemfaKey, WorkMode::BemfaTcp, 32, FieldInput::Text,
     "巴法云私钥", "请输入巴法云物联网平台的私钥！"},
    {FormField::MqttHost, &ParameterTexts::mqttHost, WorkMode::Mqtt, 64, FieldInput::Text,
     "MQTT服务器地址", "请输入MQTT服务器地址！"},
    {FormField::MqttPort, &ParameterTexts::mqttPort, WorkMode::Mqtt, 5, FieldInput::Digits,
     "MQTT服务器端口", "请输入MQTT服务器端口！"},
    {FormField::MqttAccount, &ParameterTexts::mqttAccount, WorkMode::Mqtt, 64, FieldInput::Text,
     "MQTT账号", nullptr},
    {FormField::MqttPassword, &ParameterTexts::mqttPassword, WorkMode::Mqtt, 64, FieldInput::Text,
     "MQTT密码", nullptr},
    {FormField::MqttClientId, &ParameterTexts::mqttClientId, WorkMode::Mqtt, 64, FieldInput::Text,
     "MQTT_ClientID", "请输入MQTT_ClientID！"},
    {FormField::MqttSubscribeTopic, &ParameterTexts::mqttSubscribeTopic, WorkMode::Mqtt, 64,
     FieldInput::Text, "Topic(订阅)", "请输入Topic(订阅)！"},
    {FormField::MqttPublishTopic, &ParameterTexts::mqttPublishTopic, WorkMode::Mqtt, 64,
     FieldInput::Text, "发布订阅", "请输入发布订阅！"},
}};

constexpr bool RowsFollowTheEnumeration() {
  for (size_t i = 0; i < kFormFields.size(); ++i) {
    if (static_cast<size_t>(kFormFields[i].field) != i) return false;
  }
  return true;
}
static_assert(RowsFollowTheEnumeration(), "SpecOf indexes kFormFields by FormField");

inline const FormFieldSpec& SpecOf(FormField field) {
  return kFormFields[static_cast<size_t>(field)];
}

// The form's pages: the home page, then one page per work mode in the order of their digits.
inline constexpr int kHomePage = 0;
inline constexpr int PageOf(WorkMode mode) { return static_cast<int>(IndexOf(mode)) + 1; }

}  // namespace quorvane
