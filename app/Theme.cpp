#include "app/Theme.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quorvane {

namespace {

QString PathIn(const QString& directory) {
  return QDir(directory).filePath(QString::fromUtf8(ThemeSetup::kFileName));
}

bool IsFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

}  // namespace

QString ThemeSetup::CarriedTheme() {
  QFile carried(QStringLiteral(":/theme/quorvane-theme.qss"));
  if (!carried.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(carried.readAll());
}

void ThemeSetup::EnsureProgramCopy() const {
  const QString path = PathIn(programDirectory);
  if (QFileInfo::exists(path)) return;
  const QString carried = CarriedTheme();
  if (carried.isEmpty()) return;
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(carried.toUtf8());
}

QString ThemeSetup::ResolvePath() const {
  QString path;
  if (IsFile(PathIn(programDirectory))) path = PathIn(programDirectory);
  if (IsFile(PathIn(systemDirectory))) path = PathIn(systemDirectory);
  return path;
}

bool ThemeSetup::Apply() const {
  EnsureProgramCopy();
  const QString path = ResolvePath();
  if (!IsFile(path)) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
  return true;
}

}  // namespace quorvane
