#include "help/CompanionExport.h"

#include <QFile>
#include <QSaveFile>

namespace quorvane {

QByteArray CompanionExport::Package() {
  QFile file(QStringLiteral(":/companion/companion.apk"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void CompanionExport::ExportCompanionApp() {
  auto path =
      person_.ChooseSaveFile({QStringLiteral("导出参数设置APP"), QStringLiteral("参数设置V2"),
                              QStringLiteral("apk"), QStringLiteral("apk (*.apk)")});
  if (!path) return;
  const QByteArray package = Package();
  QSaveFile file(*path);
  // A failed write ends silently, and no file manager opens on a file that is not there.
  if (package.isEmpty() || !file.open(QIODevice::WriteOnly) ||
      file.write(package) != package.size() || !file.commit()) {
    return;
  }
  person_.RevealFile(*path);  // a desktop that cannot show it changes nothing
}

}  // namespace quorvane
