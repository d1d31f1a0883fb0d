#pragma once

// Boards on two networks: the simulator runs in a namespace of its own, joined to the test's
// private namespace by two veth pairs. The tool side has 10.77.1.1/24 on qa1 and 10.77.2.1/24
// on qa2; the boards live at 10.77.1.x behind qb1 and 10.77.2.x behind qb2. A limited broadcast
// from the tool stays on its loopback default route, so only the per-interface search reaches
// the boards, as on a PC with two adapters.
#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QNetworkInterface>
#include <QProcess>
#include <QStringList>
#include <QUdpSocket>

namespace quorvane::testing {

struct CliRun {
  int exitCode = -1;
  QString out;
  QString err;
};

inline CliRun RunCli(const QStringList& args, const QByteArray& input = {}) {
  QProcess cli;
  cli.start(QStringLiteral(QUORVANE_CLI), args);
  EXPECT_TRUE(cli.waitForStarted()) << "quorvane-cli did not start";
  cli.write(input);
  cli.closeWriteChannel();
  // Bounded by the program's own time-outs; this only keeps a hang from stalling the suite.
  EXPECT_TRUE(cli.waitForFinished(120000)) << "quorvane-cli did not end";
  return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
          QString::fromUtf8(cli.readAllStandardOutput()),
          QString::fromUtf8(cli.readAllStandardError())};
}

inline void Run(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  ASSERT_TRUE(process.waitForFinished(10000)) << program.toStdString();
  ASSERT_EQ(process.exitCode(), 0) << program.toStdString() << ' ' << args.join(u' ').toStdString()
                                   << ": " << process.readAllStandardError().toStdString();
}

// One simulated board: its link (1 or 2), its last address byte and simulator options.
struct LinkBoard {
  int link;
  int host;
  QStringList options;

  QString Address() const { return QStringLiteral("10.77.%1.%2").arg(link).arg(host); }
};

class TwoLinks {
 public:
  // Refuses to run where any interface but loopback is up: only a fresh private namespace.
  static bool InPrivateNamespace() {
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
      const auto flags = interface.flags();
      if (flags.testFlag(QNetworkInterface::IsUp) &&
          !flags.testFlag(QNetworkInterface::IsLoopBack)) {
        return false;
      }
    }
    return true;
  }

  void Start(const std::vector<LinkBoard>& boards, const QStringList& simulatorOptions = {}) {
    ASSERT_TRUE(InPrivateNamespace())
        << "run through scripts/in-netns: these tests make network interfaces";
    QStringList args{QStringLiteral("-n"), QStringLiteral(QUORVANE_BOARDSIM)};
    args << simulatorOptions;
    for (const LinkBoard& board : boards) {
      args << QStringLiteral("--board") << board.Address() << board.options;
    }
    simulator_.start(QStringLiteral("unshare"), args);
    ASSERT_TRUE(simulator_.waitForStarted());
    ASSERT_TRUE(WaitForLog([](const QString& log) {
      return log.contains(QStringLiteral("ready "));
    })) << "simulator not ready: "
        << simulator_.readAllStandardError().toStdString();
    const QString pid = QString::number(simulator_.processId());
    for (int link : {1, 2}) {
      const QString near = QStringLiteral("qa%1").arg(link);
      const QString far = QStringLiteral("qb%1").arg(link);
      Run(QStringLiteral("ip"),
          {QStringLiteral("link"), QStringLiteral("add"), near, QStringLiteral("type"),
           QStringLiteral("veth"), QStringLiteral("peer"), QStringLiteral("name"), far,
           QStringLiteral("netns"), pid});
      Run(QStringLiteral("ip"),
          {QStringLiteral("addr"), QStringLiteral("add"), QStringLiteral("10.77.%1.1/24").arg(link),
           QStringLiteral("dev"), near});
      Run(QStringLiteral("ip"),
          {QStringLiteral("link"), QStringLiteral("set"), near, QStringLiteral("up")});
      for (const LinkBoard& board : boards) {
        if (board.link != link) continue;
        InSimulator({QStringLiteral("ip"), QStringLiteral("addr"), QStringLiteral("add"),
                     board.Address() + QStringLiteral("/24"), QStringLiteral("dev"), far});
      }
      InSimulator({QStringLiteral("ip"), QStringLiteral("link"), QStringLiteral("set"), far,
                   QStringLiteral("up")});
    }
  }

  ~TwoLinks() {
    if (simulator_.state() != QProcess::NotRunning) {
      simulator_.kill();
      simulator_.waitForFinished();
    }
  }

  // Everything the simulator logged so far.
  QString Log() {
    log_ += QString::fromUtf8(simulator_.readAllStandardOutput());
    return log_;
  }

  // The texts the boards received, as "ADDRESS TEXT", in order; barriers left out.
  QStringList Received() {
    QStringList texts;
    for (const QString& line : Log().split(u'\n', Qt::SkipEmptyParts)) {
      const QStringList words = line.split(u' ');
      if (words.size() >= 5 && words[0] == QStringLiteral("recv") &&
          !words.value(5).startsWith(kBarrier)) {
        texts << words[3] + u' ' + words.mid(5).join(u' ');
      }
    }
    return texts;
  }

  // Returns once the board has logged a datagram sent now, over the same link: what anyone sent
  // it before has been logged by then.
  void Barrier(const QString& address) {
    const QString text = kBarrier + QString::number(++barriers_);
    QUdpSocket socket;
    ASSERT_EQ(socket.writeDatagram(text.toUtf8(), QHostAddress(address), 8113), text.size());
    ASSERT_TRUE(WaitForLog([&](const QString& log) {
      return log.contains(u' ' + address + u' ' + QString::fromLatin1(text.toUtf8().toHex()) +
                          u' ');
    })) << "no barrier from "
        << address.toStdString();
  }

  template <typename Condition>
  bool WaitForLog(Condition condition, int ms = 10000) {
    QDeadlineTimer deadline(ms);
    while (!condition(Log())) {
      if (deadline.hasExpired() || !simulator_.waitForReadyRead(static_cast<int>(
                                       std::max<qint64>(1, deadline.remainingTime())))) {
        return condition(Log());
      }
    }
    return true;
  }

 private:
  void InSimulator(const QStringList& command) {
    Run(QStringLiteral("nsenter"),
        QStringList{QStringLiteral("-t"), QString::number(simulator_.processId()),
                    QStringLiteral("-n"), QStringLiteral("--")} +
            command);
  }

  inline static const QString kBarrier = QStringLiteral("barrier-");
  QProcess simulator_;
  QString log_;
  int barriers_ = 0;
};

}  // namespace quorvane::testing
