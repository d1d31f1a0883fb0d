#include "settings/ParameterRecord.h"

#include <gtest/gtest.h>

#include "link/SplitText.h"

namespace quorvane {
namespace {

DeviceParameters TcpClientStaticWithCustomId() {
  DeviceParameters p;
  p.powerOnState = PowerOnState::On;
  p.workMode = WorkMode::TcpClient;
  p.ipMode = IpMode::Static;
  p.customIdEnabled = true;
  p.customId = "A01";
  p.ipAddress = "192.168.1.50";
  p.gateway = "192.168.1.1";
  p.netmask = "255.255.255.0";
  p.serverAddress = "192.168.1.10";
  p.serverPort = "8080";
  p.heartbeatMode = HeartbeatMode::Heartbeat;
  return p;
}

DeviceParameters HttpGetDynamic() {
  DeviceParameters p;
  p.powerOnState = PowerOnState::Remember;
  p.workMode = WorkMode::HttpGet;
  p.customId = "ignored when not enabled";
  p.ipAddress = "10.9.9.9";  // ignored when dynamic
  return p;
}

DeviceParameters MqttWithoutAccount() {
  DeviceParameters p;
  p.powerOnState = PowerOnState::Off;
  p.workMode = WorkMode::Mqtt;
  p.mqttHost = "192.168.1.5";
  p.mqttPort = "1883";
  p.mqttClientId = "dev01";
  p.mqttSubscribeTopic = "relay/in";
  p.mqttPublishTopic = "relay/out";
  return p;
}

TEST(EncodeParameterRecord, RefusesValuesThatWouldNotTravelAsOnePiece) {
  struct Case {
    const char* name;
    std::string value;
    bool travels;
  } cases[] = {
      {"plain", "relay/in", true},
      {"a bar", "a|b", false},
      {"a lone lead byte at the end", "ab\x81", false},
      {"a double-byte character whose trail byte is 0x7C", "\xB0|x", true},
      {"GBK text", "\xD3\xC3\xBB\xA7", true},
      {"empty", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TravelsAsOnePiece(c.value), c.travels);
    DeviceParameters p = MqttWithoutAccount();
    p.mqttAccount = c.value;  // a piece in the middle of the record
    EXPECT_EQ(EncodeParameterRecord(p).has_value(), c.travels);
  }
  // Found by fuzzing: an empty last value left the record one piece short on the way back.
  DeviceParameters emptyLast = MqttWithoutAccount();
  emptyLast.mqttPublishTopic.clear();
  EXPECT_FALSE(EncodeParameterRecord(emptyLast));
  // The example that used to re-encode to 13 pieces instead of 14.
  auto decoded = DecodeParameterRecord("parameter|0|1|1|0|ID|1,1,1,1|1,1,1,1|1\x81");
  ASSERT_TRUE(decoded);
  DeviceParameters p;
  p.workMode = WorkMode::TcpClient;
  p.ipMode = IpMode::Static;
  p.ipAddress = decoded->ipAddress;
  p.gateway = decoded->gateway;
  p.netmask = "1\x81";
  EXPECT_FALSE(EncodeParameterRecord(p));
}

TEST(EncodeParameterRecord, WorkedExamplesByteForByte) {
  EXPECT_EQ(EncodeParameterRecord(TcpClientStaticWithCustomId()),
            "parameter|1|1|1|1|A01|192,168,1,50|192,168,1,1|255,255,255,0|192.168.1.10|8080|1|0|0");
  EXPECT_EQ(EncodeParameterRecord(HttpGetDynamic()),
            "parameter|2|3|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0");
  EXPECT_EQ(
      EncodeParameterRecord(MqttWithoutAccount()),
      "parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|192.168.1.5|1883|||dev01|relay/in|relay/out");
}

TEST(DecodeParameterRecord, WorkedExamplesGiveTheirValues) {
  auto tcp = DecodeParameterRecord(
      "parameter|1|1|1|1|A01|192,168,1,50|192,168,1,1|255,255,255,0|192.168.1.10|8080|1|0|0");
  ASSERT_TRUE(tcp);
  EXPECT_EQ(tcp->powerOnState, PowerOnState::On);
  EXPECT_EQ(tcp->workMode, WorkMode::TcpClient);
  EXPECT_EQ(tcp->ipMode, IpMode::Static);
  EXPECT_TRUE(tcp->customIdEnabled);
  EXPECT_EQ(tcp->customId, "A01");
  EXPECT_TRUE(tcp->addressesPresent);
  EXPECT_EQ(tcp->ipAddress, "192.168.1.50");
  EXPECT_EQ(tcp->gateway, "192.168.1.1");
  EXPECT_EQ(tcp->netmask, "255.255.255.0");
  EXPECT_TRUE(tcp->modeFieldsPresent);
  EXPECT_EQ(tcp->serverAddress, "192.168.1.10");
  EXPECT_EQ(tcp->serverPort, "8080");
  EXPECT_EQ(tcp->heartbeatMode, HeartbeatMode::Heartbeat);
  EXPECT_FALSE(tcp->reconnectHourly);
  EXPECT_FALSE(tcp->reconnectOnSilence);

  auto http = DecodeParameterRecord("parameter|2|3|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0");
  ASSERT_TRUE(http);
  EXPECT_EQ(http->powerOnState, PowerOnState::Remember);
  EXPECT_EQ(http->workMode, WorkMode::HttpGet);
  EXPECT_EQ(http->ipMode, IpMode::Dynamic);
  EXPECT_FALSE(http->customIdEnabled);
  EXPECT_EQ(http->customId, "ID");
  EXPECT_FALSE(http->modeFieldsPresent);

  auto mqtt = DecodeParameterRecord(
      "parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|192.168.1.5|1883|||dev01|relay/in|relay/out");
  ASSERT_TRUE(mqtt);
  EXPECT_TRUE(mqtt->modeFieldsPresent);
  EXPECT_EQ(mqtt->mqttHost, "192.168.1.5");
  EXPECT_EQ(mqtt->mqttPort, "1883");
  EXPECT_EQ(mqtt->mqttAccount, "");
  EXPECT_EQ(mqtt->mqttPassword, "");
  EXPECT_EQ(mqtt->mqttClientId, "dev01");
  EXPECT_EQ(mqtt->mqttSubscribeTopic, "relay/in");
  EXPECT_EQ(mqtt->mqttPublishTopic, "relay/out");
}

TEST(ParameterRecord, EveryWorkModeSurvivesARoundTrip) {
  DeviceParameters bemfa = TcpClientStaticWithCustomId();
  bemfa.workMode = WorkMode::BemfaTcp;
  bemfa.bemfaKey = "0123456789abcdef";
  DeviceParameters server = HttpGetDynamic();
  server.workMode = WorkMode::TcpServer;
  DeviceParameters tcp = TcpClientStaticWithCustomId();
  tcp.heartbeatMode = HeartbeatMode::IdAsHeartbeat;
  tcp.reconnectHourly = true;
  tcp.reconnectOnSilence = true;
  DeviceParameters mqtt = MqttWithoutAccount();
  mqtt.mqttAccount = "\xD3\xC3\xBB\xA7";  // GBK text travels as its bytes
  mqtt.mqttPassword = "p w";

  struct Case {
    const char* name;
    DeviceParameters parameters;
    size_t pieces;
  } cases[] = {
      {"TCP client", tcp, 14}, {"TCP server", server, 9}, {"HTTP GET", HttpGetDynamic(), 9},
      {"Bemfa", bemfa, 10},    {"MQTT", mqtt, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DeviceParameters& p = c.parameters;
    const std::optional<std::string> encoded = EncodeParameterRecord(p);
    ASSERT_TRUE(encoded);
    const std::string& record = *encoded;
    EXPECT_EQ(SplitText(record, '|').size(), c.pieces);
    EXPECT_EQ(static_cast<size_t>(PieceCount(p.workMode)), c.pieces);
    auto d = DecodeParameterRecord(record);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->powerOnState, p.powerOnState);
    EXPECT_EQ(d->workMode, p.workMode);
    EXPECT_EQ(d->ipMode, p.ipMode);
    EXPECT_EQ(d->customIdEnabled, p.customIdEnabled);
    EXPECT_EQ(d->customId, p.customIdEnabled ? p.customId : "ID");
    EXPECT_TRUE(d->addressesPresent);
    EXPECT_EQ(d->ipAddress, p.ipMode == IpMode::Static ? p.ipAddress : "0.0.0.0");
    EXPECT_EQ(d->netmask, p.ipMode == IpMode::Static ? p.netmask : "0.0.0.0");
    const bool hasTail = c.pieces > 9;
    EXPECT_EQ(d->modeFieldsPresent, hasTail);
    if (p.workMode == WorkMode::TcpClient) {
      EXPECT_EQ(d->serverAddress, p.serverAddress);
      EXPECT_EQ(d->serverPort, p.serverPort);
      EXPECT_EQ(d->heartbeatMode, p.heartbeatMode);
      EXPECT_EQ(d->reconnectHourly, p.reconnectHourly);
      EXPECT_EQ(d->reconnectOnSilence, p.reconnectOnSilence);
    }
    if (p.workMode == WorkMode::BemfaTcp) {
      EXPECT_EQ(d->bemfaKey, p.bemfaKey);
    }
    if (p.workMode == WorkMode::Mqtt) {
      EXPECT_EQ(d->mqttAccount, p.mqttAccount);
      EXPECT_EQ(d->mqttPassword, p.mqttPassword);
      EXPECT_EQ(d->mqttPublishTopic, p.mqttPublishTopic);
    }
  }
}

TEST(DecodeParameterRecord, RefusesWhatIsNotARecord) {
  for (const char* text :
       {"", "parameter", "parameter|", "parameter|1|2|0|0",
        "Parameter|1|2|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0", "xparameter|1|2|0|0|ID"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(DecodeParameterRecord(text).has_value());
  }
}

TEST(DecodeParameterRecord, UnknownDigitsAndShortRecordsLeaveValuesAbsent) {
  struct Case {
    const char* name;
    std::string text;
    std::optional<PowerOnState> power;
    std::optional<WorkMode> mode;
    IpMode ipMode;
    bool customIdEnabled;
    bool addressesPresent;
    bool modeFieldsPresent;
  } cases[] = {
      {"six pieces", "parameter|1|2|1|1|A", PowerOnState::On, WorkMode::TcpServer, IpMode::Static,
       true, false, false},
      {"eight pieces", "parameter|1|2|0|0|ID|1,2,3,4|1,2,3,1", PowerOnState::On,
       WorkMode::TcpServer, IpMode::Dynamic, false, false, false},
      {"power 3", "parameter|3|2|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0", std::nullopt, WorkMode::TcpServer,
       IpMode::Dynamic, false, true, false},
      {"mode 0", "parameter|0|0|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0", PowerOnState::Off, std::nullopt,
       IpMode::Dynamic, false, true, false},
      {"mode 6", "parameter|0|6|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0", PowerOnState::Off, std::nullopt,
       IpMode::Dynamic, false, true, false},
      {"ip mode 2 is dynamic", "parameter|0|2|2|0|ID|0,0,0,0|0,0,0,0|0,0,0,0", PowerOnState::Off,
       WorkMode::TcpServer, IpMode::Dynamic, false, true, false},
      {"custom flag 01 is off", "parameter|0|2|0|01|X|0,0,0,0|0,0,0,0|0,0,0,0", PowerOnState::Off,
       WorkMode::TcpServer, IpMode::Dynamic, false, true, false},
      {"TCP client without tail", "parameter|0|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0", PowerOnState::Off,
       WorkMode::TcpClient, IpMode::Dynamic, false, true, false},
      {"MQTT with empty publish topic loses the last piece",
       "parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|h|1883|a|p|c|sub|", PowerOnState::Off,
       WorkMode::Mqtt, IpMode::Dynamic, false, true, false},
      {"longer record accepted", "parameter|0|4|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|key|extra|more",
       PowerOnState::Off, WorkMode::BemfaTcp, IpMode::Dynamic, false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto d = DecodeParameterRecord(c.text);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->powerOnState, c.power);
    EXPECT_EQ(d->workMode, c.mode);
    EXPECT_EQ(d->ipMode, c.ipMode);
    EXPECT_EQ(d->customIdEnabled, c.customIdEnabled);
    EXPECT_EQ(d->addressesPresent, c.addressesPresent);
    EXPECT_EQ(d->modeFieldsPresent, c.modeFieldsPresent);
    if (!c.addressesPresent) {
      EXPECT_EQ(d->ipAddress, "");
    }
  }
}

TEST(DecodeParameterRecord, KeepsPiecesWhole) {
  // Heartbeat 9 is unknown; a GBK character whose trail byte is 0x7C stays in its piece.
  auto d = DecodeParameterRecord(
      "parameter|0|1|0|1|\x81\x7C"
      "A|0,0,0,0|0,0,0,0|0,0,0,0|srv|80|9|1|0");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->customId,
            "\x81\x7C"
            "A");
  EXPECT_TRUE(d->modeFieldsPresent);
  EXPECT_EQ(d->serverAddress, "srv");
  EXPECT_FALSE(d->heartbeatMode.has_value());
  EXPECT_TRUE(d->reconnectHourly);

  auto withEmptyMiddle = DecodeParameterRecord("parameter|0|2|0|1||0,0,0,0|0,0,0,0|0,0,0,0");
  ASSERT_TRUE(withEmptyMiddle);
  EXPECT_TRUE(withEmptyMiddle->customIdEnabled);
  EXPECT_EQ(withEmptyMiddle->customId, "");
  EXPECT_TRUE(withEmptyMiddle->addressesPresent);
}

TEST(ReplaceTextPairs, ReplacesEachPairInTurn) {
  EXPECT_EQ(ToWireAddress("10.0.0.1"), "10,0,0,1");
  EXPECT_EQ(FromWireAddress("10,0,0,1"), "10.0.0.1");
  EXPECT_EQ(ToWireAddress(""), "");
  EXPECT_EQ(ReplaceTextPairs("a.b", {{"", "x"}}), "a.b");
  EXPECT_EQ(ReplaceTextPairs("a.b,c", {{".", ","}, {",", ";"}}), "a;b;c");
  EXPECT_EQ(ReplaceTextPairs("aaa", {{"aa", "b"}}), "ba");
}

}  // namespace
}  // namespace quorvane
