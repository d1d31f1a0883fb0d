#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "operator/RevealInFileManager.h"

namespace quorvane {

namespace {
constexpr int kFileManagerReplyMs = 2000;  // a desktop that does not answer is passed over
}

// The freedesktop file-manager interface selects the file; a desktop without it gets the
// folder opened by its default handler.
bool RevealInFileManager(const QString& path) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (bus.isConnected()) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    if (bus.call(call, QDBus::Block, kFileManagerReplyMs).type() == QDBusMessage::ReplyMessage) {
      return true;
    }
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

}  // namespace quorvane
