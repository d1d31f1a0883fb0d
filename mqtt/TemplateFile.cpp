#include "mqtt/TemplateFile.h"

#include <QFile>
#include <QSaveFile>

namespace quorvane {

namespace {

std::string ContentOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

}  // namespace

bool TemplateFile::Save(const MqttTemplateValues& values) const {
  if (QFile::exists(path_) && !QFile(path_).open(QIODevice::ReadOnly)) {
    return false;  // unreadable: rewriting it would lose what else it holds
  }
  const std::string content = WithTemplateValues(ContentOf(path_), values);
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(content.size());
  if (file.write(content.data(), size) != size) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

MqttTemplateValues TemplateFile::Load() const { return TemplateValuesOf(ContentOf(path_)); }

}  // namespace quorvane
