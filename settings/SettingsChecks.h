#pragma once

#include <QString>
#include <optional>

#include "settings/ParameterRecord.h"

namespace quorvane {

// The form as the write checks see it: which choices are made and the typed texts.
struct SettingsSnapshot {
  bool rowSelected = false;
  bool powerChosen = false;
  bool customIdEnabled = false;
  QString customId;
  bool dynamicIp = false;
  bool staticIp = false;
  QString ipAddress;
  QString gateway;
  QString netmask;
  std::optional<WorkMode> workMode;
  QString serverAddress;
  QString serverPort;
  QString bemfaKey;
  QString mqttHost;
  QString mqttPort;
  QString mqttAccount;
  QString mqttPassword;
  QString mqttClientId;
  QString mqttSubscribeTopic;
  QString mqttPublishTopic;
};

// The boxes a failed check can put the focus into.
enum class FormField {
  None,
  CustomId,
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

struct CheckFailure {
  QString message;
  FormField focus = FormField::None;
};

// The first problem that stops a write, in the fixed order operators know, followed by the
// values that cannot travel safely: a "|" would shift every later piece on the board, and a
// character GBK cannot encode would arrive altered.
std::optional<CheckFailure> CheckSettings(const SettingsSnapshot& form);

}  // namespace quorvane
