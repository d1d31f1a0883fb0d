// Discovery burst: N simulated boards answer one search at once. The tool's link and list
// against a bare recvfrom loop on a socket with the same receive buffer, in the same run.
// Prints one line per N: answers received and time to the last one, both ways, and ratios.
// Run inside a private network namespace (bench/run does).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/MainScreen.h"
#include "link/DeviceLink.h"
#include "link/ReceiveBuffer.h"
#include "mqtt/TimeStamps.h"
#include "settings/SystemHostAddresses.h"

using namespace quorvane;

namespace {

constexpr int kQuietMs = 400;  // the burst is over when nothing came for this long

struct Result {
  int answers = 0;
  double lastMs = 0;
};

bool StartSimulator(QProcess& simulator, int boards) {
  simulator.setProgram(QStringLiteral(QUORVANE_BOARDSIM));
  simulator.setArguments({QStringLiteral("--boards"), QString::number(boards)});
  simulator.start();
  if (!simulator.waitForStarted(30000)) return false;
  QByteArray out;
  while (!out.contains("ready")) {
    if (!simulator.waitForReadyRead(30000)) return false;
    out += simulator.readAllStandardOutput();
  }
  simulator.setStandardOutputFile(QProcess::nullDevice());
  return true;
}

Result Bare(int bufferBytes) {
  const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  const int on = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
  RaiseReceiveBuffer(fd, bufferBytes);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(kToolPort);
  ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local);
  sockaddr_in all{};
  all.sin_family = AF_INET;
  all.sin_port = htons(kBoardPort);
  all.sin_addr.s_addr = htonl(INADDR_BROADCAST);
  QElapsedTimer clock;
  clock.start();
  ::sendto(fd, "ss", 2, 0, reinterpret_cast<sockaddr*>(&all), sizeof all);
  Result result;
  char buffer[65536];
  pollfd wait{fd, POLLIN, 0};
  while (::poll(&wait, 1, kQuietMs) > 0) {
    if (::recv(fd, buffer, sizeof buffer, 0) > 0) {
      ++result.answers;
      result.lastMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }
  }
  ::close(fd);
  return result;
}

Result Tool(int& bufferBytes) {
  struct Quiet : Operator {
    void ShowMessage(const QString&, const QString&, Icon) override {}
    void ShowOwnerlessMessage(const QString&, const QString&) override {}
    bool Confirm(const QString&, const QString&) override { return false; }
    int RunModal(QDialog&) override { return 0; }
    std::optional<QString> ChooseSaveFile(const SaveFileRequest&) override { return {}; }
    QAction* ChooseFromMenu(QMenu&, const QPoint&) override { return nullptr; }
    bool SetClipboardText(const QString&) override { return false; }
    bool OpenAddress(const QUrl&) override { return false; }
    bool RevealFile(const QString&) override { return false; }
  } person;
  SystemHostAddresses host;
  SystemClock clock;
  DeviceLink link;
  bufferBytes = link.ReceiveBufferBytes();
  // The clock starts where the bare loop's does: at the broadcast.
  QElapsedTimer timer;
  struct TimedLink : CommandLink {
    TimedLink(DeviceLink& link, QElapsedTimer& timer) : link(link), timer(timer) {}
    bool SendCommand(const std::string& text, const std::string& ip) override {
      return link.SendCommand(text, ip);
    }
    bool BroadcastCommand(const std::string& text) override {
      timer.start();
      return link.BroadcastCommand(text);
    }
    DeviceLink& link;
    QElapsedTimer& timer;
  } timed(link, timer);
  MainScreen screen({timed, person, host, clock, QStringLiteral("/nonexistent/模板.ini")});
  QObject::connect(&link, &DeviceLink::DatagramReceived,
                   [&screen](const QByteArray& bytes, const QString& sender) {
                     screen.HandleDatagram(bytes, sender);
                   });
  screen.window.show();
  if (!QTest::qWaitForWindowExposed(&screen.window)) std::abort();
  Result result;
  // The burst is over after a quiet spell; the event loop runs undisturbed until then.
  QEventLoop loop;
  QTimer quiet;
  quiet.setSingleShot(true);
  quiet.setInterval(kQuietMs);
  QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(screen.window.超级列表框1->model(), &QAbstractItemModel::rowsInserted, [&] {
    result.lastMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    quiet.start();
  });
  QTest::mouseClick(screen.window.寻找按钮, Qt::LeftButton);
  quiet.start();
  loop.exec();
  result.answers = screen.devices.RowCount();
  return result;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  std::printf(
      "| boards | bare: answers | tool: rows | rows / bare | bare: last ms | tool: last ms | "
      "time ratio | buffer bytes |\n|---|---|---|---|---|---|---|---|\n");
  for (int boards : {100, 1000, 10000}) {
    std::vector<double> bare, tool, bareMs, toolMs;
    int buffer = 0;
    for (int run = 0; run < 5; ++run) {
      QProcess simulator;
      if (!StartSimulator(simulator, boards)) {
        std::fprintf(stderr, "the simulator did not start\n");
        simulator.kill();
        simulator.waitForFinished();
        return 1;
      }
      const Result t = Tool(buffer);
      const Result b = Bare(buffer);
      tool.push_back(t.answers);
      bare.push_back(b.answers);
      toolMs.push_back(t.lastMs);
      bareMs.push_back(b.lastMs);
      simulator.kill();
      simulator.waitForFinished();
    }
    std::printf("| %d | %.0f | %.0f | %.2f | %.1f | %.1f | %.2f | %d |\n", boards, Median(bare),
                Median(tool), Median(tool) / Median(bare), Median(bareMs), Median(toolMs),
                Median(toolMs) / Median(bareMs), buffer);
  }
  return 0;
}
