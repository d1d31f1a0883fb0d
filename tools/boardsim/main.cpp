// quorvane-boardsim: plays WiFi relay boards on UDP port 8113 for trying the tool without
// hardware. Every received datagram is logged on standard output, one line each.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "text/Gbk.h"
#include "tools/boardsim/BoardSimulator.h"

using namespace quorvane;

namespace {

constexpr const char* kUsage =
    R"(Boards are given one after another; options after --board apply to that board:
  --board IP           a board answering on IP (e.g. 127.0.0.2)
  --id ID              its device ID (default Board<N>)
  --version V          its firmware version (default 2.3)
  --prohibit           its prohibit flag is set
  --mode DIGIT         its starting record is a default one of this work mode, 1..5 (default 2)
  --record TEXT        its starting parameter record, verbatim (the later of these two wins)
  --password TEXT      its access password (default 5937)
  --locked             its push-buttons start locked
  --config-mode        its power-up configuration mode starts on
  --no-read            it answers the search but never "read"
  --keeps-old-record   it stores a record it is sent but keeps answering "read" with its old one
  --boards N           N more boards at 127.0.0.2, 127.0.0.3, ... (127.0.1.0 after .254)
  --pace-us MICROS     answer one board every MICROS microseconds (default 0: all at once)
  --restart-ms MS      silence after a record is stored or "rest" (default 1500)
  --port PORT          board port (default 8113)
  --http-port PORT     where boards in HTTP GET mode (--mode 3) serve "/?command=..." (default 80)
Each board answers "ss", "read", "qh" (ksok/sdok), "appz=?" (appz=0/1), "appz=0/1" (appz_ok),
"password=..." (password=1/0) and "wifi=NAME|PASSWORD" (wifi_ok); it stores a parameter record,
"sd"/"ks", "prohibit=0/1" and "szpassword=...", restarts on "rest" and counts "OTA".
Log lines: "recv FROM:PORT -> TO HEX TEXT"; "http ADDRESS METHOD PATH"; "ready PORT" once
listening (after the HTTP boards).)";

std::string Wire(const QString& text) {
  return Utf8ToGbk(text.toStdString()).value_or(text.toStdString());
}

void Fail(const QString& message) {
  std::fprintf(stderr, "quorvane-boardsim: %s\n%s\n", message.toLocal8Bit().constData(), kUsage);
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  BoardSimulator simulator;
  quint16 port = kBoardPort;
  quint16 httpPort = 80;

  std::vector<SimulatedBoard> boards;
  auto addBoard = [&boards](std::string ip, int mode) {
    boards.push_back({});
    boards.back().ip = std::move(ip);
    boards.back().id = "Board" + std::to_string(boards.size());
    boards.back().record = DefaultRecordFor(mode, "");
  };
  const QStringList args = application.arguments().mid(1);
  for (int i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    auto value = [&]() -> QString {
      if (i + 1 >= args.size()) Fail(arg + QStringLiteral(" needs a value"));
      return args[++i];
    };
    auto current = [&]() -> SimulatedBoard& {
      if (boards.empty()) Fail(arg + QStringLiteral(" comes after --board"));
      return boards.back();
    };
    if (arg == QStringLiteral("--board")) {
      addBoard(value().toStdString(), 2);
    } else if (arg == QStringLiteral("--boards")) {
      const int count = value().toInt();
      for (int n = 0; n < count; ++n) {
        addBoard(BoardAddress(boards.size()), static_cast<int>(boards.size()) % 5 + 1);
      }
    } else if (arg == QStringLiteral("--id")) {
      current().id = Wire(value());
    } else if (arg == QStringLiteral("--version")) {
      current().version = Wire(value());
    } else if (arg == QStringLiteral("--prohibit")) {
      current().prohibited = true;
    } else if (arg == QStringLiteral("--mode")) {
      current().record = DefaultRecordFor(value().toInt(), "");
    } else if (arg == QStringLiteral("--record")) {
      current().record = Wire(value());
    } else if (arg == QStringLiteral("--password")) {
      current().password = Wire(value());
    } else if (arg == QStringLiteral("--locked")) {
      current().keysLocked = true;
    } else if (arg == QStringLiteral("--config-mode")) {
      current().configModeOn = true;
    } else if (arg == QStringLiteral("--no-read")) {
      current().answersRead = false;
    } else if (arg == QStringLiteral("--keeps-old-record")) {
      current().keepsOldRecord = true;
    } else if (arg == QStringLiteral("--pace-us")) {
      simulator.SetAnswerPaceMicros(value().toLongLong());
    } else if (arg == QStringLiteral("--restart-ms")) {
      simulator.SetRestartMs(value().toInt());
    } else if (arg == QStringLiteral("--http-port")) {
      httpPort = static_cast<quint16>(value().toUInt());
    } else if (arg == QStringLiteral("--port")) {
      port = static_cast<quint16>(value().toUInt());
    } else if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
      std::printf("usage: quorvane-boardsim [OPTIONS]\n%s\n", kUsage);
      return 0;
    } else {
      Fail(QStringLiteral("unknown option ") + arg);
    }
  }
  if (boards.empty()) Fail(QStringLiteral("no board given"));
  for (SimulatedBoard& board : boards) simulator.AddBoard(std::move(board));
  if (!simulator.Start(port)) Fail(QStringLiteral("cannot bind UDP port %1").arg(port));

  QTextStream out(stdout);
  QObject::connect(&simulator, &BoardSimulator::DatagramLogged, [&out](const ReceivedDatagram& d) {
    out << "recv " << d.source.toString() << ':' << d.sourcePort << " -> "
        << d.destination.toString() << ' ' << QString::fromLatin1(d.bytes.toHex()) << ' '
        << QString::fromStdString(GbkToUtf8(d.bytes.toStdString())) << Qt::endl;
  });
  QObject::connect(
      &simulator, &BoardSimulator::HttpRequestLogged, &application,
      [&out](const QString& line) { out << "http " << line << Qt::endl; }, Qt::QueuedConnection);
  if (!simulator.StartHttp(httpPort)) {
    std::fprintf(stderr, "quorvane-boardsim: HTTP port %u not available; HTTP boards are off\n",
                 static_cast<unsigned>(httpPort));
  }
  out << "ready " << port << Qt::endl;
  return application.exec();
}
