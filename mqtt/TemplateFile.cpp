#include "mqtt/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

namespace quorvane {

namespace {

// The file's bytes; empty for a file that does not exist, nothing for one that cannot be read.
std::optional<std::string> ContentOf(const QString& path) {
  if (!QFile::exists(path)) return std::string();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll().toStdString();
}

}  // namespace

QString TemplateFile::PathFor(const QString& programDirectory, const QString& configDirectory) {
  const QString folder =
      QFileInfo(programDirectory).isWritable() ? programDirectory : configDirectory;
  return QDir(folder).filePath(FileName());
}

bool TemplateFile::Save(const MqttTemplateValues& values) const {
  const auto old = ContentOf(path_);
  if (!old) return false;  // unreadable: rewriting it would lose what else it holds
  // The configuration folder may not exist before the first save.
  if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
  const std::string content = WithTemplateValues(*old, values);
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(content.size());
  if (file.write(content.data(), size) != size) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

MqttTemplateValues TemplateFile::Load() const {
  return TemplateValuesOf(ContentOf(path_).value_or(std::string()));
}

}  // namespace quorvane
