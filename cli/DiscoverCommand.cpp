#include <QJsonDocument>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Searching.h"
#include "text/GbkText.h"

namespace quorvane {

int RunDiscover(const QStringList& args, Console& console) {
  QCommandLineParser parser;
  parser.addOptions(SearchOptions());
  parser.addOption({QStringLiteral("json"), QStringLiteral("One JSON object per board and line.")});
  int exitCode = kSuccess;
  if (!ParseCommand(parser, args, QStringLiteral("[--wait SECONDS] [--interface NAME] [--json]"),
                    QStringLiteral("Finds the boards on every network: sends \"ss\" from port 8114 "
                                   "to 255.255.255.255 and to the broadcast address of every up "
                                   "IPv4 interface but loopback (only NAME's with --interface), "
                                   "and lists each board once, by address and ID, with the "
                                   "interface its answer came in on."),
                    console, exitCode)) {
    return exitCode;
  }
  const std::optional<FoundBoards> boards = SearchBoards(parser, console);
  if (!boards) return kFailed;
  if (parser.isSet(QStringLiteral("json"))) {
    for (const FoundBoard& board : boards->List()) {
      console.Out(
          QString::fromUtf8(QJsonDocument(BoardJson(board)).toJson(QJsonDocument::Compact)));
    }
    return kSuccess;
  }
  QList<QStringList> rows{{QStringLiteral("ADDRESS"), QStringLiteral("ID"),
                           QStringLiteral("VERSION"), QStringLiteral("PROHIBITED"),
                           QStringLiteral("INTERFACE")}};
  for (const FoundBoard& board : boards->List()) {
    rows.append({QString::fromStdString(board.answer.ip), FromGbk(board.answer.id),
                 FromGbk(board.answer.version),
                 board.answer.prohibited ? QStringLiteral("yes") : QStringLiteral("no"),
                 board.interfaceName});
  }
  QList<qsizetype> widths(rows.front().size(), 0);
  for (const QStringList& row : rows) {
    for (qsizetype i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
  }
  for (const QStringList& row : rows) {
    QString line;
    for (qsizetype i = 0; i < row.size(); ++i) {
      line += i + 1 < row.size() ? row[i].leftJustified(widths[i] + 2) : row[i];
    }
    console.Out(line);
  }
  return kSuccess;
}

}  // namespace quorvane
