#include <QJsonDocument>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/SettingsText.h"
#include "fleet/SettingsReader.h"
#include "fleet/SettingsView.h"

namespace quorvane {

int RunRead(const QStringList& args, Console& console) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("The board's address."));
  parser.addOption({QStringLiteral("json"),
                    QStringLiteral("Print the settings as a settings file (what apply takes).")});
  int exitCode = kSuccess;
  if (!ParseCommand(parser, args, QStringLiteral("ADDRESS [--json]"),
                    QStringLiteral("Reads a board's settings: sends \"read\" and waits 1 s for the "
                                   "parameter record, asking 3 times in all. Prints the fields "
                                   "the record carries, by the names settings files use."),
                    console, exitCode)) {
    return exitCode;
  }
  if (parser.positionalArguments().size() != 1) {
    console.Err(QStringLiteral("read takes one address"));
    return kBadInput;
  }
  const std::optional<std::string> ip =
      BoardAddressArgument(parser.positionalArguments()[0], console);
  if (!ip) return kBadInput;
  DeviceLink link;
  if (!LinkIsUsable(link, console)) return kFailed;
  BoardChannel channel(link);
  const ReadSettingsResult read = ReadSettings(channel, *ip, kReadPatience);
  if (!read.settings) {
    console.Err(read.error);
    return kFailed;
  }
  const QJsonObject view = ViewOfRecord(*read.settings);
  if (parser.isSet(QStringLiteral("json"))) {
    const QJsonObject board{{QStringLiteral("address"), QString::fromStdString(*ip)}};
    console.Out(QString::fromUtf8(SettingsFileText(board, view)).trimmed());
  } else {
    console.Out(QString::fromStdString(*ip));
    for (const QString& line : SettingsLines(view)) console.Out(QStringLiteral("  ") + line);
  }
  return kSuccess;
}

}  // namespace quorvane
