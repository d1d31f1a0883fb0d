#include "fleet/BoardChannel.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace quorvane {

Answer BoardChannel::Ask(const std::string& ip, const std::string& text,
                         const std::vector<ReplyKind>& kinds, Patience patience) {
  Answer answer;
  QEventLoop loop;
  QTimer wait;
  wait.setSingleShot(true);
  QObject::connect(&wait, &QTimer::timeout, &loop, &QEventLoop::quit);
  const QString from = QString::fromStdString(ip);
  const QMetaObject::Connection heard = QObject::connect(
      &link_, &DeviceLink::DatagramReceived, &loop,
      [&](const QByteArray& bytes, const QString& sender) {
        if (answer.text || sender != from) return;
        const std::string_view reply = TextOfDatagram(std::string_view(bytes.data(), bytes.size()));
        const std::optional<ReplyKind> kind = ClassifyReply(reply);
        if (!kind || std::find(kinds.begin(), kinds.end(), *kind) == kinds.end()) return;
        answer.text = std::string(reply);
        loop.quit();
      });
  for (int attempt = 0; attempt < patience.attempts && !answer.text; ++attempt) {
    if (!link_.SendCommand(text, ip)) break;
    answer.sent = true;
    wait.start(patience.waitMs);
    loop.exec();
  }
  QObject::disconnect(heard);
  return answer;
}

}  // namespace quorvane
