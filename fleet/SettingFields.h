#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "settings/FormFields.h"
#include "settings/ParameterRecord.h"

namespace quorvane {

enum class SettingKind { PowerOnState, WorkMode, IpMode, Flag, HeartbeatMode, Text };

// One named value of a board's settings, as files and the command line name it: the record's
// own field names, in the order of the record's pieces.
struct SettingField {
  const char* key;
  SettingKind kind;
  bool DecodedParameters::*flag = nullptr;  // for SettingKind::Flag
  std::optional<FormField> text{};          // for SettingKind::Text: its box in the form
};

inline constexpr std::array<SettingField, 21> kSettingFields = {{
    {"powerOnState", SettingKind::PowerOnState},
    {"workMode", SettingKind::WorkMode},
    {"ipMode", SettingKind::IpMode},
    {"customIdEnabled", SettingKind::Flag, &DecodedParameters::customIdEnabled},
    {"customId", SettingKind::Text, nullptr, FormField::CustomId},
    {"ipAddress", SettingKind::Text, nullptr, FormField::IpAddress},
    {"gateway", SettingKind::Text, nullptr, FormField::Gateway},
    {"netmask", SettingKind::Text, nullptr, FormField::Netmask},
    {"serverAddress", SettingKind::Text, nullptr, FormField::ServerAddress},
    {"serverPort", SettingKind::Text, nullptr, FormField::ServerPort},
    {"heartbeatMode", SettingKind::HeartbeatMode},
    {"reconnectHourly", SettingKind::Flag, &DecodedParameters::reconnectHourly},
    {"reconnectOnSilence", SettingKind::Flag, &DecodedParameters::reconnectOnSilence},
    {"bemfaKey", SettingKind::Text, nullptr, FormField::BemfaKey},
    {"mqttHost", SettingKind::Text, nullptr, FormField::MqttHost},
    {"mqttPort", SettingKind::Text, nullptr, FormField::MqttPort},
    {"mqttAccount", SettingKind::Text, nullptr, FormField::MqttAccount},
    {"mqttPassword", SettingKind::Text, nullptr, FormField::MqttPassword},
    {"mqttClientId", SettingKind::Text, nullptr, FormField::MqttClientId},
    {"mqttSubscribeTopic", SettingKind::Text, nullptr, FormField::MqttSubscribeTopic},
    {"mqttPublishTopic", SettingKind::Text, nullptr, FormField::MqttPublishTopic},
}};

inline const SettingField* FindSettingField(std::string_view key) {
  for (const SettingField& field : kSettingFields) {
    if (key == field.key) return &field;
  }
  return nullptr;
}

// The spellings of the enumerations' values, in the order of their digits.
inline constexpr std::array<const char*, 3> kPowerOnStateNames = {"Off", "On", "Remember"};
inline constexpr std::array<const char*, 5> kWorkModeNames = {"TcpClient", "TcpServer", "HttpGet",
                                                              "BemfaTcp", "Mqtt"};
inline constexpr std::array<const char*, 2> kIpModeNames = {"Dynamic", "Static"};
inline constexpr std::array<const char*, 3> kHeartbeatModeNames = {"None", "Heartbeat",
                                                                   "IdAsHeartbeat"};

}  // namespace quorvane
