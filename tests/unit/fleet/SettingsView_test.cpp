#include "fleet/SettingsView.h"

#include <gtest/gtest.h>
#include <QJsonDocument>

#include "fleet/FoundBoards.h"
#include "fleet/SettingsDiff.h"
#include "fleet/SettingsFile.h"
#include "tests/support/Printers.h"

namespace quorvane {
namespace {

QJsonObject Json(const char* text) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray(text), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
  return document.object();
}

// Each mode's record, and the view of it that files and the command line show.
struct Mapping {
  const char* record;
  const char* view;
};

const Mapping kMappings[] = {
    {"parameter|1|1|1|1|A01|192,168,1,50|192,168,1,1|255,255,255,0|192.168.1.10|8080|2|1|0",
     R"({"powerOnState": "On", "workMode": "TcpClient", "ipMode": "Static",
         "customIdEnabled": true, "customId": "A01", "ipAddress": "192.168.1.50",
         "gateway": "192.168.1.1", "netmask": "255.255.255.0", "serverAddress": "192.168.1.10",
         "serverPort": "8080", "heartbeatMode": "IdAsHeartbeat", "reconnectHourly": true,
         "reconnectOnSilence": false})"},
    {"parameter|0|2|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0",
     R"({"powerOnState": "Off", "workMode": "TcpServer", "ipMode": "Dynamic",
         "customIdEnabled": false})"},
    {"parameter|2|3|0|1|\xbc\xd7\xb0\xe5|0,0,0,0|0,0,0,0|0,0,0,0",
     R"({"powerOnState": "Remember", "workMode": "HttpGet", "ipMode": "Dynamic",
         "customIdEnabled": true, "customId": "甲板"})"},
    {"parameter|0|4|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|0123456789abcdef",
     R"({"powerOnState": "Off", "workMode": "BemfaTcp", "ipMode": "Dynamic",
         "customIdEnabled": false, "bemfaKey": "0123456789abcdef"})"},
    {"parameter|0|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|192.168.1.5|1883|||dev01|relay/in|relay/out",
     R"({"powerOnState": "Off", "workMode": "Mqtt", "ipMode": "Dynamic",
         "customIdEnabled": false, "mqttHost": "192.168.1.5", "mqttPort": "1883",
         "mqttAccount": "", "mqttPassword": "", "mqttClientId": "dev01",
         "mqttSubscribeTopic": "relay/in", "mqttPublishTopic": "relay/out"})"},
    // Bytes that are not GBK keep their bytes.
    {"parameter|1|2|0|1|A\xff\xff|0,0,0,0|0,0,0,0|0,0,0,0",
     R"({"powerOnState": "On", "workMode": "TcpServer", "ipMode": "Dynamic",
         "customIdEnabled": true, "customId": {"gbkHex": "41ffff"}})"},
};

TEST(SettingsView, EachModeMapsToItsFieldsAndBackToTheSameRecord) {
  for (const Mapping& m : kMappings) {
    const QJsonObject view = Json(m.view);
    EXPECT_EQ(ViewOfRecord(*DecodeParameterRecord(m.record)), view) << m.record;
    if (std::string_view(m.record).find('\xff') != std::string_view::npos) continue;
    EXPECT_EQ(CheckWanted(view), std::nullopt) << m.view;
    // From the view alone, over nothing the board said.
    EXPECT_EQ(EncodeParameterRecord(ParametersOf(Overlay({}, view))), m.record) << m.view;
  }
}

TEST(SettingsView, CarriesOnlyWhatTheRecordHolds) {
  const struct {
    const char* record;
    const char* view;
  } cases[] = {
      // Unknown digits: no power state, no mode, no heartbeat.
      {"parameter|7|9|2|01|X", R"({"ipMode": "Dynamic", "customIdEnabled": false})"},
      // A TCP client record without its tail: the mode, none of its fields.
      {"parameter|1|1|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0",
       R"({"powerOnState": "On", "workMode": "TcpClient", "ipMode": "Dynamic",
           "customIdEnabled": false})"},
      // Static but cut before the addresses.
      {"parameter|1|2|1|0|ID|1,2,3,4",
       R"({"powerOnState": "On", "workMode": "TcpServer", "ipMode": "Static",
           "customIdEnabled": false})"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ViewOfRecord(*DecodeParameterRecord(c.record)), Json(c.view)) << c.record;
  }
}

TEST(SettingsView, OverlayKeepsTheBoardsOtherValuesAndTheWindowsHeartbeatDefault) {
  const DecodedParameters board =
      *DecodeParameterRecord("parameter|2|2|1|1|K7|10,0,0,9|10,0,0,1|255,0,0,0");
  const DecodedParameters merged = Overlay(
      board, Json(R"({"workMode": "TcpClient", "serverAddress": "srv", "serverPort": "9000"})"));
  EXPECT_EQ(SnapshotOf(merged)[FormField::CustomId], QStringLiteral("K7"));
  EXPECT_FALSE(CheckSettings(SnapshotOf(merged)));
  EXPECT_EQ(EncodeParameterRecord(ParametersOf(merged)),
            "parameter|2|1|1|1|K7|10,0,0,9|10,0,0,1|255,0,0,0|srv|9000|1|0|0");
}

TEST(SettingsView, SnapshotGivesTheWindowsChecksTheirMessages) {
  const DecodedParameters server = *DecodeParameterRecord("parameter|0|2|0|0|ID");
  const struct {
    const char* wanted;
    const char* message;
  } cases[] = {
      {R"({"workMode": "Mqtt"})", "请输入MQTT服务器地址！"},
      {R"({"workMode": "BemfaTcp"})", "请输入巴法云物联网平台的私钥！"},
      {R"({"customIdEnabled": true, "customId": ""})", "请输入要设置的自定义ID！"},
      {R"({"ipMode": "Static"})", "请完整输入静态IP相关的信息！"},
  };
  for (const auto& c : cases) {
    auto failure = CheckSettings(SnapshotOf(Overlay(server, Json(c.wanted))));
    ASSERT_TRUE(failure) << c.wanted;
    EXPECT_EQ(failure->message, QString::fromUtf8(c.message)) << c.wanted;
  }
  auto noPower = CheckSettings(SnapshotOf(*DecodeParameterRecord("parameter|x|2|0|0|ID")));
  ASSERT_TRUE(noPower);
  EXPECT_EQ(noPower->message, QStringLiteral("请设置一种上电状态！"));
}

TEST(SettingsView, CheckWantedNamesTheFirstBadField) {
  const struct {
    const char* wanted;
    const char* says;  // empty: accepted
  } cases[] = {
      {R"({"mqttHost": "broker", "powerOnState": "Remember", "reconnectHourly": true})", ""},
      {R"({"customId": {"gbkHex": "bcd7b0e5"}})", ""},
      {R"({"ipAddress": ""})", ""},
      {R"({"colour": "red"})", "unknown field \"colour\""},
      {R"({"workMode": 5})", "workMode: must be one of TcpClient, TcpServer, HttpGet"},
      {R"({"ipMode": "static"})", "ipMode: must be one of Dynamic, Static"},
      {R"({"heartbeatMode": "none"})", "heartbeatMode: must be one of None"},
      {R"({"reconnectHourly": "yes"})", "reconnectHourly: must be true or false"},
      {R"({"mqttHost": 12})", "mqttHost: must be a string or {\"gbkHex\""},
      {R"({"mqttHost": "a|b"})", "mqttHost: MQTT服务器地址中不能含有字符“|”，请修改！"},
      {R"({"customId": "🙂"})", "customId: 自定义设备ID中含有无法发送给设备的字符，请修改！"},
      {R"({"customId": {"gbkHex": "417c"}})", "customId: 自定义设备ID中不能含有字符“|”"},
      {R"({"customId": {"gbkHex": "41bc"}})", "customId: 自定义设备ID中不能含有字符“|”"},
      {R"({"customId": {"gbkHex": "zz"}})", "customId: must be a string or"},
      {R"({"customId": "一二三四五六七八九十一二三四五六七"})",
       "customId: is 34 bytes in GBK; its box takes at most 32"},
      {R"({"serverPort": "８０"})", "serverPort: must be decimal digits only"},
      {R"({"gateway": "192.168.1"})", "gateway: must be a dotted IPv4 address"},
  };
  for (const auto& c : cases) {
    const std::optional<QString> problem = CheckWanted(Json(c.wanted));
    if (*c.says == '\0') {
      EXPECT_EQ(problem, std::nullopt) << c.wanted;
    } else {
      ASSERT_TRUE(problem) << c.wanted;
      EXPECT_TRUE(problem->startsWith(QString::fromUtf8(c.says))) << problem->toStdString();
    }
  }
}

TEST(SettingsDiff, ListsChangedFieldsInRecordOrder) {
  const QJsonObject board = Json(R"({"powerOnState": "Off", "workMode": "TcpServer",
                                     "ipMode": "Dynamic", "customIdEnabled": false})");
  const QJsonObject written = Json(R"({"powerOnState": "Off", "workMode": "BemfaTcp",
                                       "ipMode": "Dynamic", "customIdEnabled": false,
                                       "bemfaKey": "k"})");
  EXPECT_TRUE(DiffSettings(board, board).empty());
  const std::vector<FieldChange> changes = DiffSettings(board, written);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].field, QStringLiteral("workMode"));
  EXPECT_EQ(changes[0].before, QJsonValue(QStringLiteral("TcpServer")));
  EXPECT_EQ(changes[1].field, QStringLiteral("bemfaKey"));
  EXPECT_TRUE(changes[1].before.isUndefined());
  EXPECT_EQ(ShowValue(changes[1].before), QStringLiteral("(not carried)"));
  EXPECT_EQ(ShowValue(changes[1].after), QStringLiteral("\"k\""));
  // Back the other way, the key is no longer carried.
  EXPECT_TRUE(DiffSettings(written, board)[1].after.isUndefined());

  EXPECT_TRUE(HoldsAll(written, Json(R"({"bemfaKey": "k", "workMode": "BemfaTcp"})")));
  EXPECT_FALSE(HoldsAll(written, Json(R"({"bemfaKey": "K"})")));
  EXPECT_FALSE(HoldsAll(board, Json(R"({"bemfaKey": "k"})")));
}

TEST(SettingsFile, ABackupFileIsASettingsFile) {
  const QJsonObject settings = ViewOfRecord(*DecodeParameterRecord(kMappings[0].record));
  const FoundBoard board{{"A01", "10.0.0.7", "2.3", true}, QStringLiteral("eth0")};
  auto parsed = ParseSettingsFile(SettingsFileText(BoardJson(board), settings));
  ASSERT_TRUE(std::holds_alternative<SettingsFile>(parsed))
      << std::get<QString>(parsed).toStdString();
  EXPECT_EQ(std::get<SettingsFile>(parsed).settings, settings);
  EXPECT_EQ(std::get<SettingsFile>(parsed).address, "10.0.0.7");

  const struct {
    const char* text;
    const char* says;
  } refused[] = {
      {"[1]", "not a JSON object"},
      {R"({"board": {}})", "no \"settings\" object"},
      {R"({"settings": {}, "board": []})", "\"board\" is not an object"},
      {R"({"settings": {}, "board": {"address": "255.255.255.255"}})", "board.address is not"},
      {R"({"settings": {"workMode": "Tcp"}})", "in \"settings\": workMode: must be one of"},
  };
  for (const auto& r : refused) {
    auto result = ParseSettingsFile(QByteArray(r.text));
    ASSERT_TRUE(std::holds_alternative<QString>(result)) << r.text;
    EXPECT_TRUE(std::get<QString>(result).startsWith(QString::fromUtf8(r.says)))
        << std::get<QString>(result).toStdString();
  }
}

TEST(SettingsFile, BackupNamesComeFromTheIdAndNeverCollide) {
  std::set<QString> taken;
  const struct {
    const char* id;
    const char* address;
    const char* name;
  } cases[] = {
      {"Board1", "10.0.0.2", "Board1.json"},
      {"Board1", "10.0.0.3", "Board1-10.0.0.3.json"},
      {"甲板", "10.0.0.4", "甲板.json"},
      {"a/b:c", "10.0.0.5", "a_b_c.json"},
      {"", "10.0.0.6", "_.json"},
      {"..", "10.0.0.7", "_...json"},
      {"index", "10.0.0.8", "index-10.0.0.8.json"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BackupFileName(QString::fromUtf8(c.id), QString::fromUtf8(c.address), taken),
              QString::fromUtf8(c.name));
  }
}

TEST(FoundBoards, EachBoardOnceByAddressAndId) {
  FoundBoards boards;
  EXPECT_TRUE(boards.Add({"A", "10.0.0.2", "2.3", false}, QStringLiteral("eth0")));
  EXPECT_FALSE(boards.Add({"A", "10.0.0.2", "2.3", false}, QStringLiteral("wlan0")));
  EXPECT_TRUE(boards.Add({"B", "10.0.0.2", "2.3", false}, QStringLiteral("eth0")));
  EXPECT_TRUE(boards.Add({"A", "10.0.0.3", "2.3", false}, QStringLiteral("eth0")));
  ASSERT_EQ(boards.List().size(), 3u);
  EXPECT_EQ(boards.List()[0].interfaceName, QStringLiteral("eth0"));  // first heard wins

  FoundBoards full;
  for (size_t i = 0; i < FoundBoards::kMaxBoards; ++i) {
    ASSERT_TRUE(full.Add({std::to_string(i), "10.0.0.2", "", false}, {}));
  }
  EXPECT_FALSE(full.Add({"one more", "10.0.0.2", "", false}, {}));
}

}  // namespace
}  // namespace quorvane
