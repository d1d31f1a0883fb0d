#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <set>
#include <string>
#include <variant>

namespace quorvane {

// A settings file: {"settings": {...}} with the wanted values, and optionally "board" as a
// backup writes it ({"address": ..., "id": ..., ...}), which only says where they came from.
struct SettingsFile {
  QJsonObject settings;
  std::optional<std::string> address;  // the board's address when the file names one
};

// The file, or why it cannot be used (with the reason CheckWanted gives for a bad value).
std::variant<SettingsFile, QString> ParseSettingsFile(const QByteArray& bytes);

// The file a backup is written to: {"board": board, "settings": settings}, indented.
QByteArray SettingsFileText(const QJsonObject& board, const QJsonObject& settings);

// A file name for a board's backup, from its ID: characters no file system takes become "_";
// when the name is taken (two boards of one ID, or the index's own name) the address is added.
// The chosen name is added to taken.
QString BackupFileName(const QString& id, const QString& address, std::set<QString>& taken);

inline const QString kBackupIndexName = QStringLiteral("index.json");

}  // namespace quorvane
