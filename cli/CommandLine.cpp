#include "cli/CommandLine.h"

#include "link/Ipv4Text.h"
#include "text/GbkText.h"

namespace quorvane {

bool ParseCommand(QCommandLineParser& parser, const QStringList& args, const QString& usage,
                  const QString& description, Console& console, int& exitCode) {
  parser.setApplicationDescription(description);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Shows this help."));
  parser.addOption(help);
  const QString name = QStringLiteral("quorvane-cli ") + args.value(0);
  if (!parser.parse(args)) {
    console.Err(name + QStringLiteral(": ") + parser.errorText());
    console.Err(QStringLiteral("usage: ") + name + u' ' + usage);
    exitCode = kBadInput;
    return false;
  }
  if (parser.isSet(help)) {
    // Qt's own usage line knows nothing of the command's shape: ours replaces it.
    console.Out(QStringLiteral("usage: ") + name + u' ' + usage);
    console.Out(parser.helpText().section(u'\n', 1));
    exitCode = kSuccess;
    return false;
  }
  return true;
}

std::optional<std::string> BoardAddressArgument(const QString& text, Console& console) {
  const std::string address = text.toStdString();
  if (!IsDottedIpv4(address) || !IsSingleHostAddress(address)) {
    console.Err(QStringLiteral("\"%1\" is not the dotted IPv4 address of one board "
                               "(such as 192.168.1.50); nothing was sent")
                    .arg(text));
    return std::nullopt;
  }
  return address;
}

std::optional<int> SearchWaitMs(const QCommandLineParser& parser, Console& console) {
  if (!parser.isSet(QStringLiteral("wait"))) return kDefaultSearchMs;
  bool ok = false;
  const double seconds = parser.value(QStringLiteral("wait")).toDouble(&ok);
  if (!ok || seconds <= 0 || seconds > 600) {
    console.Err(QStringLiteral("--wait takes a number of seconds above 0 and up to 600"));
    return std::nullopt;
  }
  return static_cast<int>(seconds * 1000);
}

bool LinkIsUsable(const DeviceLink& link, Console& console) {
  if (link.IsBound()) return true;
  console.Err(QStringLiteral("UDP port %1 is in use by another program (the window?); boards "
                             "answer only there, so nothing can be done")
                  .arg(DeviceLink::kLocalPort));
  return false;
}

QString BoardLabel(const std::string& ip, const std::string& idGbk) {
  const QString address = QString::fromStdString(ip);
  if (idGbk.empty()) return address;
  return address + QStringLiteral(" (ID ") + FromGbk(idGbk) + u')';
}

}  // namespace quorvane
