#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

#include "settings/ParameterRecord.h"
#include "settings/SettingsChecks.h"

namespace quorvane {

// A board's settings as named values (see SettingFields.h): the fields its record carries and
// nothing else. Enumerations are spelt by name, flags are booleans, texts are strings; a text
// whose GBK bytes have no Unicode form is {"gbkHex": "..."} so that a backup loses nothing.
QJsonObject ViewOfRecord(const DecodedParameters& record);

// A text from a board as JSON: a string, or {"gbkHex": "..."} when its bytes are not GBK.
QJsonValue GbkTextValue(const std::string& gbk);

// Why a set of wanted values cannot be applied to any board, naming the first bad field: an
// unknown name, a value of the wrong type or spelling, or a value the window would not take
// (longer than its box, not digits or not a dotted address where the box allows no other, a
// "|" or a character with no GBK form). Nothing when every value is acceptable.
std::optional<QString> CheckWanted(const QJsonObject& wanted);

// The board's values with the wanted ones put in place. The wanted values have passed
// CheckWanted.
DecodedParameters Overlay(DecodedParameters current, const QJsonObject& wanted);

// The settings as the window's write checks see a form showing them.
SettingsSnapshot SnapshotOf(const DecodedParameters& settings);

// What the window writes for settings that passed the checks: a TCP client without a heartbeat
// choice gets the heartbeat, as the window's form does.
DeviceParameters ParametersOf(const DecodedParameters& settings);

}  // namespace quorvane
