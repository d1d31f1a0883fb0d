// The command-line program against simulated boards on two networks (see TwoLinks.h): what it
// finds, saves, writes and verifies, and the bytes the boards receive.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include "fleet/SettingsFile.h"
#include "fleet/SettingsView.h"
#include "tests/cli/TwoLinks.h"
#include "tests/support/Printers.h"
#include "tools/boardsim/BoardSimulator.h"

namespace quorvane {
namespace {

using testing::CliRun;
using testing::LinkBoard;
using testing::RunCli;

QStringList Mode(int digit) { return {QStringLiteral("--mode"), QString::number(digit)}; }

QStringList Id(const QString& id) { return {QStringLiteral("--id"), id}; }

std::vector<QJsonObject> JsonLines(const QString& text) {
  std::vector<QJsonObject> objects;
  for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
    objects.push_back(QJsonDocument::fromJson(line.toUtf8()).object());
  }
  return objects;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

// The settings a board holds now, as read by the program.
QJsonObject SettingsOf(const QString& address) {
  const CliRun read = RunCli({QStringLiteral("read"), address, QStringLiteral("--json")});
  EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
  return QJsonDocument::fromJson(read.out.toUtf8())
      .object()
      .value(QStringLiteral("settings"))
      .toObject();
}

QStringList Writes(const QStringList& received) {
  return received.filter(QStringLiteral(" parameter|"));
}

class FleetCli : public ::testing::Test {
 protected:
  void Start(const std::vector<LinkBoard>& boards) {
    ASSERT_NO_FATAL_FAILURE(
        links.Start(boards, {QStringLiteral("--restart-ms"), QStringLiteral("300")}));
  }

  testing::TwoLinks links;
  QTemporaryDir dir;
};

TEST_F(FleetCli, DiscoverFindsEachBoardOnceWithTheInterfaceItAnsweredOn) {
  Start({{1, 10, Id(QStringLiteral("A1"))},
         {1, 11, Id(QStringLiteral("A2")) + QStringList{QStringLiteral("--prohibit")}},
         {2, 10,
          Id(QStringLiteral("B1")) +
              QStringList{QStringLiteral("--version"), QStringLiteral("1.9")}}});

  const CliRun all = RunCli({QStringLiteral("discover"), QStringLiteral("--json"),
                             QStringLiteral("--wait"), QStringLiteral("1")});
  ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
  std::map<QString, QJsonObject> byAddress;
  for (const QJsonObject& board : JsonLines(all.out)) {
    EXPECT_TRUE(byAddress.emplace(board.value(QStringLiteral("address")).toString(), board).second)
        << "listed twice: " << all.out.toStdString();
  }
  ASSERT_EQ(byAddress.size(), 3u) << all.out.toStdString();
  EXPECT_EQ(byAddress[QStringLiteral("10.77.1.10")],
            (QJsonObject{{QStringLiteral("address"), QStringLiteral("10.77.1.10")},
                         {QStringLiteral("id"), QStringLiteral("A1")},
                         {QStringLiteral("version"), QStringLiteral("2.3")},
                         {QStringLiteral("prohibited"), false},
                         {QStringLiteral("interface"), QStringLiteral("qa1")}}));
  EXPECT_EQ(byAddress[QStringLiteral("10.77.1.11")].value(QStringLiteral("prohibited")), true);
  EXPECT_EQ(byAddress[QStringLiteral("10.77.1.11")].value(QStringLiteral("interface")),
            QStringLiteral("qa1"));
  EXPECT_EQ(byAddress[QStringLiteral("10.77.2.10")].value(QStringLiteral("interface")),
            QStringLiteral("qa2"));
  EXPECT_EQ(byAddress[QStringLiteral("10.77.2.10")].value(QStringLiteral("version")),
            QStringLiteral("1.9"));
  // Each board heard the search on its own network's broadcast address, once.
  links.Barrier(QStringLiteral("10.77.1.10"));
  links.Barrier(QStringLiteral("10.77.2.10"));
  EXPECT_EQ(links.Received().filter(QStringLiteral(" ss")),
            (QStringList{QStringLiteral("10.77.1.255 ss"), QStringLiteral("10.77.2.255 ss")}));

  const CliRun second =
      RunCli({QStringLiteral("discover"), QStringLiteral("--interface"), QStringLiteral("qa2"),
              QStringLiteral("--wait"), QStringLiteral("1")});
  ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
  const QStringList lines = second.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << second.out.toStdString();  // the header and B1
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("10.77.2.10"))) << lines[1].toStdString();
  EXPECT_TRUE(lines[1].endsWith(QStringLiteral("qa2"))) << lines[1].toStdString();
}

TEST_F(FleetCli, DiscoverNamesWhatItTriedWhenNoBoardAnswers) {
  Start({{1, 10, {}}});
  const CliRun run =
      RunCli({QStringLiteral("discover"), QStringLiteral("--interface"), QStringLiteral("qa2"),
              QStringLiteral("--wait"), QStringLiteral("0.5")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, QString());
  EXPECT_TRUE(run.err.contains(QStringLiteral("no board answered"))) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("10.77.2.255 on qa2"))) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("Up interfaces: lo, qa1, qa2")))
      << run.err.toStdString();

  const CliRun unknown =
      RunCli({QStringLiteral("discover"), QStringLiteral("--interface"), QStringLiteral("eth7")});
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_TRUE(unknown.err.contains(QStringLiteral("no up IPv4 interface named \"eth7\"")))
      << unknown.err.toStdString();
}

TEST_F(FleetCli, BackupSavesEveryBoardThatAnswersAndNamesTheSilentOne) {
  Start({{1, 10, Id(QStringLiteral("A1")) + Mode(1)},
         {1, 11, Id(QStringLiteral("A2")) + Mode(5)},
         {1, 12, Id(QStringLiteral("甲板")) + Mode(4)},
         {2, 10, Id(QStringLiteral("B1")) + Mode(3)},
         {2, 11, Id(QStringLiteral("B2")) + QStringList{QStringLiteral("--no-read")}}});
  const QString out = dir.filePath(QStringLiteral("saved"));

  const CliRun run = RunCli({QStringLiteral("backup"), QStringLiteral("--out"), out,
                             QStringLiteral("--wait"), QStringLiteral("1")});

  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains(QStringLiteral("saved 4 of 5 boards"))) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains(QStringLiteral("no answer: 10.77.2.11 (ID B2)")))
      << run.out.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("[5/5]"))) << run.err.toStdString();
  EXPECT_EQ(
      QDir(out).entryList(QDir::Files, QDir::Name),
      (QStringList{QStringLiteral("A1.json"), QStringLiteral("A2.json"), QStringLiteral("B1.json"),
                   QStringLiteral("index.json"), QStringLiteral("甲板.json")}));

  // Each file holds what the board's record says, as its own read shows it.
  const std::map<QString, int> modes{{QStringLiteral("A1"), 1},
                                     {QStringLiteral("A2"), 5},
                                     {QStringLiteral("甲板"), 4},
                                     {QStringLiteral("B1"), 3}};
  for (const auto& [id, mode] : modes) {
    QFile file(QDir(out).filePath(id + QStringLiteral(".json")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    auto parsed = ParseSettingsFile(file.readAll());
    ASSERT_TRUE(std::holds_alternative<SettingsFile>(parsed))
        << std::get<QString>(parsed).toStdString();
    EXPECT_EQ(std::get<SettingsFile>(parsed).settings,
              ViewOfRecord(*DecodeParameterRecord(DefaultRecordFor(mode, ""))))
        << id.toStdString();
  }
  QFile index(QDir(out).filePath(QStringLiteral("index.json")));
  ASSERT_TRUE(index.open(QIODevice::ReadOnly));
  const QJsonArray boards =
      QJsonDocument::fromJson(index.readAll()).object().value(QStringLiteral("boards")).toArray();
  ASSERT_EQ(boards.size(), 5);
  int saved = 0;
  for (const QJsonValue& board : boards) {
    const QJsonObject entry = board.toObject();
    if (entry.value(QStringLiteral("status")) == QStringLiteral("saved")) {
      ++saved;
    } else {
      EXPECT_EQ(entry.value(QStringLiteral("address")), QStringLiteral("10.77.2.11"));
      EXPECT_TRUE(entry.value(QStringLiteral("status"))
                      .toString()
                      .startsWith(QStringLiteral("no parameter record")));
    }
  }
  EXPECT_EQ(saved, 4);
}

constexpr char kMqttWanted[] = R"({"settings": {
  "powerOnState": "On", "workMode": "Mqtt", "mqttHost": "broker.site", "mqttPort": "1883",
  "mqttAccount": "", "mqttPassword": "", "mqttClientId": "dev01",
  "mqttSubscribeTopic": "relay/in", "mqttPublishTopic": "relay/out"}})";

TEST_F(FleetCli, ApplyWritesTheDifferenceVerifiesItAndThenFindsNothingToDo) {
  Start({{1, 10, Id(QStringLiteral("A1")) + Mode(2)}});
  const QString file = WriteFile(dir, QStringLiteral("mqtt.json"), kMqttWanted);

  const CliRun first = RunCli({QStringLiteral("apply"), file, QStringLiteral("--to"),
                               QStringLiteral("10.77.1.10"), QStringLiteral("--yes")});
  EXPECT_EQ(first.exitCode, 0) << first.out.toStdString() << first.err.toStdString();
  EXPECT_TRUE(first.out.contains(QStringLiteral("workMode: \"TcpServer\" -> \"Mqtt\"")))
      << first.out.toStdString();
  EXPECT_TRUE(first.out.contains(QStringLiteral("mqttHost: (not carried) -> \"broker.site\"")));
  EXPECT_TRUE(first.out.contains(QStringLiteral("10.77.1.10: changed and verified")));
  EXPECT_TRUE(first.out.contains(QStringLiteral("changed 1, unchanged 0, failed 0")));
  links.Barrier(QStringLiteral("10.77.1.10"));
  EXPECT_EQ(Writes(links.Received()),
            QStringList{QStringLiteral("10.77.1.10 parameter|1|5|0|0|ID|0,0,0,0|0,0,0,0|0,0,0,0|"
                                       "broker.site|1883|||dev01|relay/in|relay/out")});

  const CliRun again = RunCli({QStringLiteral("apply"), file, QStringLiteral("--to"),
                               QStringLiteral("10.77.1.10"), QStringLiteral("--yes")});
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_TRUE(again.out.contains(QStringLiteral("10.77.1.10: unchanged")))
      << again.out.toStdString();
  EXPECT_TRUE(again.out.contains(QStringLiteral("changed 0, unchanged 1, failed 0")));
  links.Barrier(QStringLiteral("10.77.1.10"));
  EXPECT_EQ(Writes(links.Received()).size(), 1);
}

TEST_F(FleetCli, ApplyRefusesWhatTheWindowRefusesAndWritesNothing) {
  Start({{1, 10, Mode(2)}});
  // Valid on its own, refused with this board's record: an MQTT board needs a broker.
  const QString toMqtt =
      WriteFile(dir, QStringLiteral("mode.json"), R"({"settings": {"workMode": "Mqtt"}})");
  const CliRun refused = RunCli({QStringLiteral("apply"), toMqtt, QStringLiteral("--to"),
                                 QStringLiteral("10.77.1.10"), QStringLiteral("--yes")});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(
      refused.out.contains(QStringLiteral("10.77.1.10: failed: refused: 请输入MQTT服务器地址！")))
      << refused.out.toStdString();

  // Refused before any board is asked.
  struct BadFile {
    const char* json;
    const char* says;
  };
  const BadFile files[] = {
      {R"({"settings": {"mqttHost": "a|b"}})", "MQTT服务器地址中不能含有字符“|”，请修改！"},
      {R"({"settings": {"colour": "red"}})", "unknown field \"colour\""},
      {R"({"settings": {"workMode": "mqtt"}})", "workMode: must be one of TcpClient"},
      {R"({"settings": {"serverPort": "80a"}})", "serverPort: must be decimal digits only"},
      {R"({"settings": {"ipAddress": "10.0.0"}})", "ipAddress: must be a dotted IPv4 address"},
      {R"({"settings": {"customId": "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"}})", "33 bytes in GBK"},
      {R"({"settings": {"powerOnState": "On",})", "not valid JSON"},
      {R"({"setting": {}})", "unknown top-level field \"setting\""},
  };
  for (const BadFile& bad : files) {
    const QString path = WriteFile(dir, QStringLiteral("bad.json"), bad.json);
    const CliRun run = RunCli({QStringLiteral("apply"), path, QStringLiteral("--to"),
                               QStringLiteral("10.77.1.10"), QStringLiteral("--yes")});
    EXPECT_EQ(run.exitCode, 2) << bad.json;
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(bad.says))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("no board was touched"))) << run.err.toStdString();
  }
  const CliRun badAddress = RunCli({QStringLiteral("apply"), toMqtt, QStringLiteral("--to"),
                                    QStringLiteral("10.77.1.255,board.local")});
  EXPECT_EQ(badAddress.exitCode, 2);
  EXPECT_TRUE(badAddress.err.contains(QStringLiteral("\"board.local\" is not the dotted IPv4")))
      << badAddress.err.toStdString();

  links.Barrier(QStringLiteral("10.77.1.10"));
  EXPECT_EQ(links.Received(), QStringList{QStringLiteral("10.77.1.10 read")});
}

TEST_F(FleetCli, ApplyReportsABoardThatHoldsSomethingElseThanWasWritten) {
  Start({{1, 10, Mode(2) + QStringList{QStringLiteral("--keeps-old-record")}}, {1, 11, Mode(2)}});
  const QString file = WriteFile(dir, QStringLiteral("mqtt.json"), kMqttWanted);
  const CliRun run = RunCli({QStringLiteral("apply"), file, QStringLiteral("--to"),
                             QStringLiteral("10.77.1.10,10.77.1.11"), QStringLiteral("--yes")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.contains(QStringLiteral("10.77.1.10: failed: what it holds now differs")))
      << run.out.toStdString();
  EXPECT_TRUE(run.out.contains(QStringLiteral("  workMode: \"Mqtt\" -> \"TcpServer\"")));
  EXPECT_TRUE(run.out.contains(QStringLiteral("  mqttHost: \"broker.site\" -> (not carried)")));
  EXPECT_TRUE(run.out.contains(QStringLiteral("10.77.1.11: changed and verified")));
  EXPECT_TRUE(run.out.contains(QStringLiteral("changed 1, unchanged 0, failed 1")));
}

TEST_F(FleetCli, DryRunAndARefusedQuestionWriteNothing) {
  Start({{1, 10, Mode(2)}});
  const QString file = WriteFile(dir, QStringLiteral("mqtt.json"), kMqttWanted);
  const QJsonObject before = SettingsOf(QStringLiteral("10.77.1.10"));

  const CliRun dry = RunCli({QStringLiteral("apply"), file, QStringLiteral("--to"),
                             QStringLiteral("10.77.1.10"), QStringLiteral("--dry-run")});
  EXPECT_EQ(dry.exitCode, 0);
  EXPECT_TRUE(dry.out.contains(QStringLiteral("workMode: \"TcpServer\" -> \"Mqtt\"")));
  EXPECT_TRUE(dry.out.contains(QStringLiteral("would change 1, unchanged 0, failed 0")));

  const CliRun declined = RunCli(
      {QStringLiteral("apply"), file, QStringLiteral("--to"), QStringLiteral("10.77.1.10")}, "n\n");
  EXPECT_EQ(declined.exitCode, 0);
  EXPECT_TRUE(declined.err.contains(QStringLiteral("Write these settings to 10.77.1.10? [y/N]")));
  EXPECT_TRUE(declined.out.contains(QStringLiteral("not confirmed 1")))
      << declined.out.toStdString();

  EXPECT_EQ(SettingsOf(QStringLiteral("10.77.1.10")), before);
  links.Barrier(QStringLiteral("10.77.1.10"));
  EXPECT_EQ(Writes(links.Received()), QStringList());
}

TEST_F(FleetCli, RestorePutsABackupBack) {
  Start({{1, 10, Id(QStringLiteral("A1")) + Mode(1)}});
  const QString out = dir.filePath(QStringLiteral("saved"));
  ASSERT_EQ(RunCli({QStringLiteral("backup"), QStringLiteral("--out"), out,
                    QStringLiteral("--wait"), QStringLiteral("1")})
                .exitCode,
            0);
  const QJsonObject original = SettingsOf(QStringLiteral("10.77.1.10"));
  ASSERT_EQ(
      RunCli({QStringLiteral("apply"), WriteFile(dir, QStringLiteral("mqtt.json"), kMqttWanted),
              QStringLiteral("--to"), QStringLiteral("10.77.1.10"), QStringLiteral("--yes")})
          .exitCode,
      0);
  ASSERT_NE(SettingsOf(QStringLiteral("10.77.1.10")), original);

  const CliRun restore =
      RunCli({QStringLiteral("restore"), QDir(out).filePath(QStringLiteral("A1.json")),
              QStringLiteral("--yes")});
  EXPECT_EQ(restore.exitCode, 0) << restore.out.toStdString() << restore.err.toStdString();
  EXPECT_TRUE(restore.out.contains(QStringLiteral("10.77.1.10: changed and verified")));
  EXPECT_EQ(SettingsOf(QStringLiteral("10.77.1.10")), original);
  links.Barrier(QStringLiteral("10.77.1.10"));
  const QStringList writes = Writes(links.Received());
  ASSERT_EQ(writes.size(), 2);
  EXPECT_EQ(writes[1],
            QStringLiteral("10.77.1.10 ") + QString::fromStdString(DefaultRecordFor(1, "")));
}

TEST_F(FleetCli, MaintenanceCommandsWaitForTheBoardsAnswers) {
  Start({{2, 10, {QStringLiteral("--locked")}}});
  struct Case {
    QStringList args;
    int exitCode;
    const char* says;
  };
  const QString board = QStringLiteral("10.77.2.10");
  const Case cases[] = {
      {{QStringLiteral("lock"), board}, 0, "10.77.2.10: keys already locked"},
      {{QStringLiteral("unlock"), board}, 0, "10.77.2.10: keys unlocked"},
      {{QStringLiteral("config-mode"), board}, 0, "10.77.2.10: configuration mode off"},
      {{QStringLiteral("config-mode"), board, QStringLiteral("on")},
       0,
       "10.77.2.10: configuration mode on (appz_ok)"},
      {{QStringLiteral("wifi"), board, QStringLiteral("--ssid"), QStringLiteral("site"),
        QStringLiteral("--password"), QStringLiteral("pw")},
       0,
       "10.77.2.10: WiFi changed (wifi_ok)"},
      {{QStringLiteral("wifi"), board, QStringLiteral("--ssid"), QStringLiteral("a|b"),
        QStringLiteral("--password"), QStringLiteral("pw")},
       2,
       "WiFi名称中不能含有字符“|”，请修改！"},
      {{QStringLiteral("read"), QStringLiteral("10.77.2.99")},
       1,
       "no parameter record from 10.77.2.99 (asked 3 times, 1 s each)"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(u' ').toStdString();
    EXPECT_TRUE((run.out + run.err).contains(QString::fromUtf8(c.says)))
        << c.args.join(u' ').toStdString() << ": " << (run.out + run.err).toStdString();
  }
  links.Barrier(board);
  EXPECT_EQ(
      links.Received(),
      (QStringList{board + QStringLiteral(" qh"), board + QStringLiteral(" qh"),
                   board + QStringLiteral(" ks"), board + QStringLiteral(" qh"),
                   board + QStringLiteral(" appz=?"), board + QStringLiteral(" appz=?"),
                   board + QStringLiteral(" appz=1"), board + QStringLiteral(" wifi=site|pw")}));
}

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
