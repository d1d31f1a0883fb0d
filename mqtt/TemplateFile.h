#pragma once

#include <QString>

#include "mqtt/MqttTemplate.h"

namespace quorvane {

// "模板.ini" on disk: the name is UTF-8 like every file name here, the content is GBK.
class TemplateFile {
 public:
  static QString FileName() { return QStringLiteral("模板.ini"); }

  // Beside the program while its folder is writable, as operators know it; otherwise (an
  // installed program) in the user's configuration folder.
  static QString PathFor(const QString& programDirectory, const QString& configDirectory);

  explicit TemplateFile(QString path) : path_(std::move(path)) {}
  const QString& Path() const { return path_; }

  // Writes the seven values into the file, keeping whatever else it holds. The new content
  // goes to a temporary file beside it that then replaces the old one, so a failure leaves the
  // old file whole. False when nothing could be written.
  bool Save(const MqttTemplateValues& values) const;
  // The values, or their defaults when the file cannot be read.
  MqttTemplateValues Load() const;

 private:
  QString path_;
};

}  // namespace quorvane
