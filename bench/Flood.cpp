// A flood of answers while the window is open: 100,000 valid search answers and about 300
// answers of 65,507 bytes from a stranger, over about two seconds. Measures the memory the tool
// gains and the longest wait of a 10 ms timer on the user-interface thread (how late a repaint
// could come), against the same timer on an idle loop in the same run. Run inside a private network
// namespace.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "app/Program.h"

using namespace quorvane;

namespace {

long StatusKilobytes(const char* key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::string(key).size() + 1));
  }
  return -1;
}

// The longest gap between ticks of a 10 ms timer while the loop runs until done is true.
qint64 LongestTickGapMs(const std::atomic<bool>& done) {
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0;
  qint64 longest = 0;
  QEventLoop loop;
  QTimer tick;
  tick.setInterval(10);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    longest = std::max(longest, now - last);
    last = now;
    if (done) loop.quit();
  });
  tick.start();
  loop.exec();
  return longest;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  InstallScreenFont();
  Program program(QStringLiteral("/nonexistent/模板.ini"));
  MainScreen& screen = program.screen;
  screen.window.show();
  if (!QTest::qWaitForWindowExposed(&screen.window)) return 1;

  std::atomic<bool> idleDone = false;
  std::thread idleTimer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    idleDone = true;
  });
  const qint64 idleGap = LongestTickGapMs(idleDone);
  idleTimer.join();

  const long before = StatusKilobytes("VmRSS:");
  std::atomic<bool> sent = false;
  std::thread stranger([&] {
    QUdpSocket socket;
    socket.bind(QHostAddress(QStringLiteral("127.0.0.66")), 9000);
    const QByteArray big = "IP,BIG,10.0.0.1,2.3," + QByteArray(65507 - 20, 'x');
    for (int i = 0; i < 100000; ++i) {
      socket.writeDatagram("IP,F" + QByteArray::number(i) + ",10.1.2.3,2.3,0",
                           QHostAddress::LocalHost, kToolPort);
      if (i % 330 == 0) socket.writeDatagram(big, QHostAddress::LocalHost, kToolPort);
      if (i % 1000 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    sent = true;
  });
  const qint64 floodGap = LongestTickGapMs(sent);
  stranger.join();
  QTest::qWait(500);  // what is still queued is read
  const long after = StatusKilobytes("VmRSS:");
  std::printf("| | longest wait of a 10 ms timer, ms | memory gained, kB | rows |\n");
  std::printf("|---|---|---|---|\n");
  std::printf("| idle loop (floor) | %lld | | |\n", static_cast<long long>(idleGap));
  std::printf("| during the flood | %lld | %ld | %d |\n", static_cast<long long>(floodGap),
              after - before, screen.devices.RowCount());
  return 0;
}
