// A parameter record from anyone: decoding must hold, and what decodes and re-encodes must
// decode to the same values (the round trip a read-then-write makes).
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/ParameterRecord.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto decoded = DecodeParameterRecord(text);
  if (!decoded || !decoded->workMode || !decoded->powerOnState || !decoded->addressesPresent ||
      !decoded->modeFieldsPresent) {
    return 0;
  }
  DeviceParameters p;
  static_cast<ParameterTexts&>(p) = *decoded;
  p.powerOnState = *decoded->powerOnState;
  p.workMode = *decoded->workMode;
  p.ipMode = decoded->ipMode;
  p.customIdEnabled = decoded->customIdEnabled;
  p.heartbeatMode = decoded->heartbeatMode.value_or(HeartbeatMode::Heartbeat);
  p.reconnectHourly = decoded->reconnectHourly;
  p.reconnectOnSilence = decoded->reconnectOnSilence;
  auto record = EncodeParameterRecord(p);
  if (!record) return 0;  // a value that would not travel as one piece is refused
  auto again = DecodeParameterRecord(*record);
  if (!again) __builtin_trap();
  const ParameterTexts& a = *decoded;
  const ParameterTexts& b = *again;
  if (again->workMode != decoded->workMode || again->powerOnState != decoded->powerOnState ||
      again->ipMode != decoded->ipMode || again->customIdEnabled != decoded->customIdEnabled) {
    __builtin_trap();
  }
  if (p.customIdEnabled && a.customId != b.customId) __builtin_trap();
  if (a.serverAddress != b.serverAddress || a.serverPort != b.serverPort ||
      a.bemfaKey != b.bemfaKey || a.mqttHost != b.mqttHost || a.mqttPort != b.mqttPort ||
      a.mqttAccount != b.mqttAccount || a.mqttPassword != b.mqttPassword ||
      a.mqttClientId != b.mqttClientId || a.mqttSubscribeTopic != b.mqttSubscribeTopic ||
      a.mqttPublishTopic != b.mqttPublishTopic) {
    __builtin_trap();
  }
  return 0;
}
