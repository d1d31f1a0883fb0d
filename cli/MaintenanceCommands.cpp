#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "maintenance/WifiChecks.h"

namespace quorvane {

namespace {

// Parses a command that takes one board address and maybe more positional words; nothing
// when the command must end, with the exit code set.
std::optional<std::string> AddressOf(QCommandLineParser& parser, const QStringList& args,
                                     const QString& usage, const QString& description,
                                     qsizetype positionals, Console& console, int& exitCode) {
  if (!ParseCommand(parser, args, usage, description, console, exitCode)) return std::nullopt;
  if (parser.positionalArguments().size() != positionals) {
    console.Err(QStringLiteral("usage: quorvane-cli %1 %2").arg(args.value(0), usage));
    exitCode = kBadInput;
    return std::nullopt;
  }
  std::optional<std::string> ip = BoardAddressArgument(parser.positionalArguments()[0], console);
  if (!ip) exitCode = kBadInput;
  return ip;
}

void SayUnsent(const std::string& ip, Console& console) {
  console.Err(QStringLiteral("could not send to ") + QString::fromStdString(ip));
}

QString NoAnswer(const std::string& ip, const QString& command) {
  return QStringLiteral("no answer from %1 to \"%2\" (asked %3 times, %4 s each)")
      .arg(QString::fromStdString(ip), command)
      .arg(kReadPatience.attempts)
      .arg(kReadPatience.waitMs / 1000.0);
}

// Asks and reports a missing answer; nothing then.
std::optional<std::string> AskOrSay(BoardChannel& channel, const std::string& ip,
                                    const std::string& command, const std::vector<ReplyKind>& kinds,
                                    Console& console) {
  const Answer answer = channel.Ask(ip, command, kinds, kReadPatience);
  if (!answer.sent) {
    SayUnsent(ip, console);
  } else if (!answer.text) {
    console.Err(NoAnswer(ip, QString::fromStdString(command)));
  }
  return answer.text;
}

}  // namespace

int RunRestart(const QStringList& args, Console& console) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("The board's address."));
  int exitCode = kSuccess;
  const std::optional<std::string> ip =
      AddressOf(parser, args, QStringLiteral("ADDRESS"),
                QStringLiteral("Restarts a board (\"rest\"). Boards do not answer it; the board "
                               "is silent while it restarts."),
                1, console, exitCode);
  if (!ip) return exitCode;
  DeviceLink link;
  if (!LinkIsUsable(link, console)) return kFailed;
  if (!BoardChannel(link).Tell(*ip, "rest")) {
    SayUnsent(*ip, console);
    return kFailed;
  }
  console.Out(QString::fromStdString(*ip) + QStringLiteral(": restart sent"));
  return kSuccess;
}

int RunKeyLock(const QStringList& args, Console& console) {
  const bool lock = args.value(0) == QStringLiteral("lock");
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("The board's address."));
  int exitCode = kSuccess;
  const std::optional<std::string> ip = AddressOf(
      parser, args, QStringLiteral("ADDRESS"),
      lock ? QStringLiteral("Locks a board's push-buttons: asks their state (\"qh\"), sends "
                            "\"sd\" when they are unlocked, and asks again to confirm.")
           : QStringLiteral("Unlocks a board's push-buttons: asks their state (\"qh\"), sends "
                            "\"ks\" when they are locked, and asks again to confirm."),
      1, console, exitCode);
  if (!ip) return exitCode;
  DeviceLink link;
  if (!LinkIsUsable(link, console)) return kFailed;
  BoardChannel channel(link);
  const std::vector<ReplyKind> states = {ReplyKind::KeysUnlocked, ReplyKind::KeysLocked};
  const std::string wanted = lock ? "sdok" : "ksok";
  const QString state = lock ? QStringLiteral("locked") : QStringLiteral("unlocked");
  const QString address = QString::fromStdString(*ip);
  std::optional<std::string> now = AskOrSay(channel, *ip, "qh", states, console);
  if (!now) return kFailed;
  if (*now == wanted) {
    console.Out(address + QStringLiteral(": keys already ") + state);
    return kSuccess;
  }
  if (!channel.Tell(*ip, lock ? "sd" : "ks")) {
    SayUnsent(*ip, console);
    return kFailed;
  }
  now = AskOrSay(channel, *ip, "qh", states, console);
  if (!now) return kFailed;
  if (*now != wanted) {
    console.Out(address + QStringLiteral(": failed: the board still reports its keys ") +
                (lock ? QStringLiteral("unlocked") : QStringLiteral("locked")));
    return kFailed;
  }
  console.Out(address + QStringLiteral(": keys ") + state);
  return kSuccess;
}

int RunConfigMode(const QStringList& args, Console& console) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("The board's address."));
  parser.addPositionalArgument(QStringLiteral("on|off"),
                               QStringLiteral("Switch it on or off; without it, only ask."),
                               QStringLiteral("[on|off]"));
  int exitCode = kSuccess;
  const QString usage = QStringLiteral("ADDRESS [on|off]");
  if (!ParseCommand(parser, args, usage,
                    QStringLiteral("Power-up configuration mode (a board that has not joined its "
                                   "WiFi 30 s after power-up enters its configuration state): "
                                   "asks its state (\"appz=?\") and, with on or off, sets it "
                                   "(\"appz=1\" / \"appz=0\", answered \"appz_ok\")."),
                    console, exitCode)) {
    return exitCode;
  }
  const QStringList words = parser.positionalArguments();
  if (words.isEmpty() || words.size() > 2 ||
      (words.size() == 2 && words[1] != QStringLiteral("on") &&
       words[1] != QStringLiteral("off"))) {
    console.Err(QStringLiteral("usage: quorvane-cli config-mode ") + usage);
    return kBadInput;
  }
  const std::optional<std::string> ip = BoardAddressArgument(words[0], console);
  if (!ip) return kBadInput;
  DeviceLink link;
  if (!LinkIsUsable(link, console)) return kFailed;
  BoardChannel channel(link);
  const QString address = QString::fromStdString(*ip);
  const std::optional<std::string> now = AskOrSay(
      channel, *ip, "appz=?", {ReplyKind::ConfigModeOff, ReplyKind::ConfigModeOn}, console);
  if (!now) return kFailed;
  const bool on = *now == "appz=1";
  if (words.size() == 1 || (words[1] == QStringLiteral("on")) == on) {
    console.Out(address + QStringLiteral(": configuration mode ") +
                (on ? QStringLiteral("on") : QStringLiteral("off")) +
                (words.size() == 1 ? QString() : QStringLiteral(" already")));
    return kSuccess;
  }
  const std::string command = on ? "appz=0" : "appz=1";
  if (!AskOrSay(channel, *ip, command, {ReplyKind::ConfigModeSet}, console)) return kFailed;
  console.Out(address + QStringLiteral(": configuration mode ") + words[1] +
              QStringLiteral(" (appz_ok)"));
  return kSuccess;
}

int RunWifi(const QStringList& args, Console& console) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("The board's address."));
  parser.addOption(
      {QStringLiteral("ssid"), QStringLiteral("The network's name."), QStringLiteral("S")});
  parser.addOption(
      {QStringLiteral("password"), QStringLiteral("The network's password."), QStringLiteral("P")});
  int exitCode = kSuccess;
  const std::optional<std::string> ip =
      AddressOf(parser, args, QStringLiteral("ADDRESS --ssid S --password P"),
                QStringLiteral("Makes a board join another WiFi network (\"wifi=S|P\", answered "
                               "\"wifi_ok\"). Neither text may be empty or hold \"|\"."),
                1, console, exitCode);
  if (!ip) return exitCode;
  const QString ssid = parser.value(QStringLiteral("ssid"));
  const QString password = parser.value(QStringLiteral("password"));
  if (auto refusal = CheckWifi(ssid, password)) {
    console.Err(refusal->message + QStringLiteral(" (nothing was sent)"));
    return kBadInput;
  }
  const std::optional<std::string> command = WifiCommand(ssid, password);
  if (!command) {
    console.Err(
        QStringLiteral("the name or password holds a character boards cannot receive "
                       "(nothing was sent)"));
    return kBadInput;
  }
  DeviceLink link;
  if (!LinkIsUsable(link, console)) return kFailed;
  BoardChannel channel(link);
  if (!AskOrSay(channel, *ip, *command, {ReplyKind::WifiChanged}, console)) return kFailed;
  console.Out(QString::fromStdString(*ip) + QStringLiteral(": WiFi changed (wifi_ok)"));
  return kSuccess;
}

}  // namespace quorvane
