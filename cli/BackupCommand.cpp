#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Searching.h"
#include "fleet/SettingsFile.h"
#include "fleet/SettingsReader.h"
#include "fleet/SettingsView.h"
#include "text/GbkText.h"

namespace quorvane {

namespace {

bool WriteWhole(const QString& path, const QByteArray& bytes, Console& console) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
    return true;
  }
  console.Err(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
  return false;
}

}  // namespace

int RunBackup(const QStringList& args, Console& console) {
  QCommandLineParser parser;
  parser.addOptions(SearchOptions());
  parser.addOption({QStringLiteral("out"),
                    QStringLiteral("The folder for the files (default quorvane-backup-DATE-TIME "
                                   "in the current folder)."),
                    QStringLiteral("DIR")});
  int exitCode = kSuccess;
  if (!ParseCommand(parser, args, QStringLiteral("[--out DIR] [--wait SECONDS] [--interface NAME]"),
                    QStringLiteral("Finds the boards and saves the settings of every board of "
                                   "firmware 2.0 or later: one settings file per board, named by "
                                   "its ID, and index.json listing every board found and what "
                                   "became of it. Each board is read as \"read\" does (1 s, 3 "
                                   "times). The exit status is 1 when any board did not answer."),
                    console, exitCode)) {
    return exitCode;
  }
  const QString out =
      parser.isSet(QStringLiteral("out"))
          ? parser.value(QStringLiteral("out"))
          : QStringLiteral("quorvane-backup-") +
                QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const std::optional<FoundBoards> found = SearchBoards(parser, console);
  if (!found) return kFailed;
  if (!QDir().mkpath(out)) {
    console.Err(QStringLiteral("cannot make the folder ") + out);
    return kFailed;
  }
  const QDir folder(out);

  DeviceLink link;
  if (!LinkIsUsable(link, console)) return kFailed;
  BoardChannel channel(link);
  std::set<QString> taken;
  QJsonArray index;
  QStringList silent;
  int saved = 0;
  int old = 0;
  const qsizetype total = static_cast<qsizetype>(found->List().size());
  qsizetype done = 0;
  for (const FoundBoard& board : found->List()) {
    const QString label = BoardLabel(board.answer.ip, board.answer.id);
    QJsonObject entry = BoardJson(board);
    console.Err(QStringLiteral("[%1/%2] %3 ...").arg(++done).arg(total).arg(label));
    if (!SupportsParameterRead(board.answer.version)) {
      entry.insert(QStringLiteral("status"), QStringLiteral("firmware below 2.0, not read"));
      ++old;
    } else if (const ReadSettingsResult read =
                   ReadSettings(channel, board.answer.ip, kReadPatience);
               !read.settings) {
      entry.insert(QStringLiteral("status"), read.error);
      silent << label;
    } else {
      const QString name =
          BackupFileName(FromGbk(board.answer.id), QString::fromStdString(board.answer.ip), taken);
      if (!WriteWhole(folder.filePath(name),
                      SettingsFileText(BoardJson(board), ViewOfRecord(*read.settings)), console)) {
        return kFailed;
      }
      entry.insert(QStringLiteral("status"), QStringLiteral("saved"));
      entry.insert(QStringLiteral("file"), name);
      ++saved;
    }
    index.append(entry);
  }
  const QJsonObject indexDocument{
      {QStringLiteral("written"), QDateTime::currentDateTime().toString(Qt::ISODate)},
      {QStringLiteral("boards"), index}};
  if (!WriteWhole(folder.filePath(kBackupIndexName),
                  QJsonDocument(indexDocument).toJson(QJsonDocument::Indented), console)) {
    return kFailed;
  }
  console.Out(QStringLiteral("saved %1 of %2 boards in %3").arg(saved).arg(total).arg(out));
  if (old > 0) console.Out(QStringLiteral("firmware below 2.0, not read: %1").arg(old));
  if (!silent.isEmpty()) {
    console.Out(QStringLiteral("no answer: ") + silent.join(QStringLiteral(", ")));
    return kFailed;
  }
  return kSuccess;
}

}  // namespace quorvane
