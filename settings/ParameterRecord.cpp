#include "settings/ParameterRecord.h"

#include "link/SplitText.h"

namespace quorvane {

namespace {

constexpr std::string_view kPrefix = "parameter|";
constexpr std::string_view kDynamicAddress = "0,0,0,0";

std::string Digit(int value) { return std::string(1, static_cast<char>('0' + value)); }
std::string Flag(bool value) { return value ? "1" : "0"; }

// The value of a single-digit piece within [low, high], or nothing.
std::optional<int> DigitIn(const std::string& piece, int low, int high) {
  if (piece.size() != 1 || piece[0] < '0' + low || piece[0] > '0' + high) return std::nullopt;
  return piece[0] - '0';
}

template <class Enum>
std::optional<Enum> EnumIn(const std::string& piece, int low, int high) {
  auto digit = DigitIn(piece, low, high);
  if (!digit) return std::nullopt;
  return static_cast<Enum>(*digit);
}

}  // namespace

int PieceCount(WorkMode mode) {
  switch (mode) {
    case WorkMode::TcpClient: return 14;
    case WorkMode::BemfaTcp: return 10;
    case WorkMode::Mqtt: return 16;
    case WorkMode::TcpServer:
    case WorkMode::HttpGet: return 9;
  }
  return 9;
}

bool TravelsAsOnePiece(std::string_view piece) {
  for (size_t i = 0; i < piece.size(); ++i) {
    if (static_cast<unsigned char>(piece[i]) >= 0x80) {
      if (i + 1 == piece.size()) return false;  // a lead byte would take the next "|" as its own
      ++i;                                      // a double-byte character, whatever its trail
    } else if (piece[i] == '|') {
      return false;
    }
  }
  return true;
}

std::optional<std::string> EncodeParameterRecord(const DeviceParameters& p) {
  const bool isStatic = p.ipMode == IpMode::Static;
  std::vector<std::string> pieces = {
      "parameter",
      Digit(static_cast<int>(p.powerOnState)),
      Digit(static_cast<int>(p.workMode)),
      Flag(isStatic),
      Flag(p.customIdEnabled),
      p.customIdEnabled ? p.customId : "ID",
      isStatic ? ToWireAddress(p.ipAddress) : std::string(kDynamicAddress),
      isStatic ? ToWireAddress(p.gateway) : std::string(kDynamicAddress),
      isStatic ? ToWireAddress(p.netmask) : std::string(kDynamicAddress),
  };
  switch (p.workMode) {
    case WorkMode::TcpClient:
      pieces.insert(pieces.end(),
                    {p.serverAddress, p.serverPort, Digit(static_cast<int>(p.heartbeatMode)),
                     Flag(p.reconnectHourly), Flag(p.reconnectOnSilence)});
      break;
    case WorkMode::BemfaTcp: pieces.push_back(p.bemfaKey); break;
    case WorkMode::Mqtt:
      pieces.insert(pieces.end(), {p.mqttHost, p.mqttPort, p.mqttAccount, p.mqttPassword,
                                   p.mqttClientId, p.mqttSubscribeTopic, p.mqttPublishTopic});
      break;
    case WorkMode::TcpServer:
    case WorkMode::HttpGet: break;
  }
  // An empty last piece leaves nothing after the last "|", and the board counts one piece less.
  if (pieces.back().empty()) return std::nullopt;
  std::string record;
  for (const std::string& piece : pieces) {
    if (!TravelsAsOnePiece(piece)) return std::nullopt;
    if (!record.empty()) record += '|';
    record += piece;
  }
  return record;
}

std::optional<DecodedParameters> DecodeParameterRecord(std::string_view text) {
  if (!text.starts_with(kPrefix)) return std::nullopt;
  const std::vector<std::string> pieces = SplitText(text, '|');
  if (pieces.size() < 6) return std::nullopt;
  // Pieces are numbered from 1 on the wire.
  auto piece = [&](size_t number) -> const std::string& { return pieces[number - 1]; };

  DecodedParameters d;
  d.powerOnState = EnumIn<PowerOnState>(piece(2), 0, 2);
  d.workMode = EnumIn<WorkMode>(piece(3), 1, 5);
  d.ipMode = piece(4) == "1" ? IpMode::Static : IpMode::Dynamic;
  d.customIdEnabled = piece(5) == "1";
  d.customId = piece(6);

  if (pieces.size() >= 9) {
    d.addressesPresent = true;
    d.ipAddress = FromWireAddress(piece(7));
    d.gateway = FromWireAddress(piece(8));
    d.netmask = FromWireAddress(piece(9));
  }

  if (!d.workMode || pieces.size() < static_cast<size_t>(PieceCount(*d.workMode))) return d;
  switch (*d.workMode) {
    case WorkMode::TcpClient:
      d.modeFieldsPresent = true;
      d.serverAddress = piece(10);
      d.serverPort = piece(11);
      d.heartbeatMode = EnumIn<HeartbeatMode>(piece(12), 0, 2);
      d.reconnectHourly = piece(13) == "1";
      d.reconnectOnSilence = piece(14) == "1";
      break;
    case WorkMode::BemfaTcp:
      d.modeFieldsPresent = true;
      d.bemfaKey = piece(10);
      break;
    case WorkMode::Mqtt:
      d.modeFieldsPresent = true;
      d.mqttHost = piece(10);
      d.mqttPort = piece(11);
      d.mqttAccount = piece(12);
      d.mqttPassword = piece(13);
      d.mqttClientId = piece(14);
      d.mqttSubscribeTopic = piece(15);
      d.mqttPublishTopic = piece(16);
      break;
    case WorkMode::TcpServer:
    case WorkMode::HttpGet: break;
  }
  return d;
}

std::string ReplaceTextPairs(std::string text,
                             const std::vector<std::pair<std::string, std::string>>& pairs) {
  for (const auto& [find, replacement] : pairs) {
    if (find.empty()) continue;
    std::string out;
    size_t from = 0;
    for (size_t at; (at = text.find(find, from)) != std::string::npos; from = at + find.size()) {
      out.append(text, from, at - from);
      out += replacement;
    }
    out.append(text, from, std::string::npos);
    text = std::move(out);
  }
  return text;
}

std::string ToWireAddress(const std::string& dotted) {
  return ReplaceTextPairs(dotted, {{".", ","}});
}

std::string FromWireAddress(const std::string& wire) {
  return ReplaceTextPairs(wire, {{",", "."}});
}

}  // namespace quorvane
