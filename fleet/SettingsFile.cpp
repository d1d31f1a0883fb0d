#include "fleet/SettingsFile.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include "fleet/SettingsView.h"
#include "link/Ipv4Text.h"

namespace quorvane {

std::variant<SettingsFile, QString> ParseSettingsFile(const QByteArray& bytes) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError) {
    return QStringLiteral("not valid JSON at byte %1: %2")
        .arg(error.offset)
        .arg(error.errorString());
  }
  if (!document.isObject()) return QStringLiteral("not a JSON object");
  const QJsonObject top = document.object();
  for (const QString& key : top.keys()) {
    if (key != QStringLiteral("settings") && key != QStringLiteral("board")) {
      return QStringLiteral(
                 "unknown top-level field \"%1\" (expected \"settings\" and "
                 "optionally \"board\")")
          .arg(key);
    }
  }
  if (!top.value(QStringLiteral("settings")).isObject()) {
    return QStringLiteral("no \"settings\" object");
  }
  SettingsFile file;
  file.settings = top.value(QStringLiteral("settings")).toObject();
  if (auto problem = CheckWanted(file.settings)) {
    return QStringLiteral("in \"settings\": ") + *problem;
  }
  const QJsonValue board = top.value(QStringLiteral("board"));
  if (!board.isUndefined()) {
    if (!board.isObject()) return QStringLiteral("\"board\" is not an object");
    const QJsonValue address = board.toObject().value(QStringLiteral("address"));
    if (!address.isUndefined()) {
      const std::string dotted = address.toString().toStdString();
      if (!address.isString() || !IsDottedIpv4(dotted) || !IsSingleHostAddress(dotted)) {
        return QStringLiteral("board.address is not the dotted IPv4 address of one board");
      }
      file.address = dotted;
    }
  }
  return file;
}

QByteArray SettingsFileText(const QJsonObject& board, const QJsonObject& settings) {
  return QJsonDocument(
             QJsonObject{{QStringLiteral("board"), board}, {QStringLiteral("settings"), settings}})
      .toJson(QJsonDocument::Indented);
}

QString BackupFileName(const QString& id, const QString& address, std::set<QString>& taken) {
  QString stem;
  for (const QChar c : id) {
    const bool refused = c.unicode() < 0x20 || c == u'/' || c == u'\\' || c == u':' || c == u'*' ||
                         c == u'?' || c == u'"' || c == u'<' || c == u'>' || c == u'|' ||
                         c == u'\x7f';
    stem += refused ? QChar(u'_') : c;
  }
  if (stem.isEmpty() || stem.startsWith(u'.')) stem.prepend(u'_');
  QString name = stem + QStringLiteral(".json");
  if (taken.contains(name) || name == kBackupIndexName) {
    name = stem + u'-' + address + QStringLiteral(".json");
  }
  for (int n = 2; taken.contains(name); ++n) {
    name = stem + u'-' + address + u'-' + QString::number(n) + QStringLiteral(".json");
  }
  taken.insert(name);
  return name;
}

}  // namespace quorvane
