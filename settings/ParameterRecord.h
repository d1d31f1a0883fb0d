#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvane {

// The enumerations travel as the single digit of their value.
enum class PowerOnState { Off = 0, On = 1, Remember = 2 };
enum class WorkMode { TcpClient = 1, TcpServer = 2, HttpGet = 3, BemfaTcp = 4, Mqtt = 5 };
enum class IpMode { Dynamic = 0, Static = 1 };
enum class HeartbeatMode { None = 0, Heartbeat = 1, IdAsHeartbeat = 2 };

// Every work mode in the order of its digit, which is also the order of its radio and page.
inline constexpr std::array<WorkMode, 5> kWorkModes = {WorkMode::TcpClient, WorkMode::TcpServer,
                                                       WorkMode::HttpGet, WorkMode::BemfaTcp,
                                                       WorkMode::Mqtt};
// The mode's place in kWorkModes.
inline constexpr size_t IndexOf(WorkMode mode) { return static_cast<size_t>(mode) - 1; }

// The texts of a record, the same whichever way it travels. GBK bytes; ports stay the decimal
// text typed, never converted to numbers.
struct ParameterTexts {
  std::string customId;
  std::string ipAddress;  // dotted
  std::string gateway;
  std::string netmask;
  // TCP client
  std::string serverAddress;
  std::string serverPort;
  // Bemfa cloud
  std::string bemfaKey;
  // MQTT
  std::string mqttHost;
  std::string mqttPort;
  std::string mqttAccount;
  std::string mqttPassword;
  std::string mqttClientId;
  std::string mqttSubscribeTopic;
  std::string mqttPublishTopic;
};

// One board's configuration, as the form holds it and the writer sends it.
struct DeviceParameters : ParameterTexts {
  PowerOnState powerOnState = PowerOnState::Off;
  WorkMode workMode = WorkMode::TcpServer;
  IpMode ipMode = IpMode::Dynamic;
  bool customIdEnabled = false;
  HeartbeatMode heartbeatMode = HeartbeatMode::Heartbeat;
  bool reconnectHourly = false;
  bool reconnectOnSilence = false;
};

// What a received record says. A piece without a recognised digit leaves its value absent;
// addresses and the mode's tail are only filled when the record is long enough to hold them.
struct DecodedParameters : ParameterTexts {
  std::optional<PowerOnState> powerOnState;
  std::optional<WorkMode> workMode;
  IpMode ipMode = IpMode::Dynamic;
  bool customIdEnabled = false;
  bool addressesPresent = false;
  bool modeFieldsPresent = false;
  std::optional<HeartbeatMode> heartbeatMode;
  bool reconnectHourly = false;
  bool reconnectOnSilence = false;
};

// Whether the board reads the value back as one piece: no "|" of its own, and no GBK lead byte
// at its end that would swallow the following "|".
bool TravelsAsOnePiece(std::string_view piece);

// The record text to send: "parameter|" and the pieces, no terminator, values as they are.
// Nothing when a value would not travel as one piece, or when the last value is empty (the
// board would count one piece less).
std::optional<std::string> EncodeParameterRecord(const DeviceParameters& parameters);

// Nothing when the text does not begin with "parameter|" or has fewer than 6 pieces.
std::optional<DecodedParameters> DecodeParameterRecord(std::string_view text);

// Pieces a record of this mode has in all.
int PieceCount(WorkMode mode);

// Each pair in turn replaces every occurrence of its find text; an empty find text changes
// nothing.
std::string ReplaceTextPairs(std::string text,
                             const std::vector<std::pair<std::string, std::string>>& pairs);

std::string ToWireAddress(const std::string& dotted);  // 192.168.1.50 -> 192,168,1,50
std::string FromWireAddress(const std::string& wire);  // and back

}  // namespace quorvane
