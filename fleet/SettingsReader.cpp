#include "fleet/SettingsReader.h"

#include <QByteArray>

namespace quorvane {

ReadSettingsResult ReadSettings(BoardChannel& channel, const std::string& ip, Patience patience) {
  const Answer answer = channel.Ask(ip, "read", {ReplyKind::ParameterRecord}, patience);
  const QString address = QString::fromStdString(ip);
  if (!answer.sent) return {std::nullopt, false, QStringLiteral("could not send to ") + address};
  if (!answer.text) {
    return {std::nullopt, false,
            QStringLiteral("no parameter record from %1 (asked %2 times, %3 s each)")
                .arg(address)
                .arg(patience.attempts)
                .arg(patience.waitMs / 1000.0)};
  }
  std::optional<DecodedParameters> decoded = DecodeParameterRecord(*answer.text);
  if (!decoded) {
    return {
        std::nullopt, true,
        QStringLiteral("the record from %1 cannot be decoded: %2")
            .arg(address,
                 QString::fromLatin1(
                     QByteArray::fromStdString(answer.text->substr(0, 80)).toPercentEncoding()))};
  }
  return {std::move(decoded), true, QString()};
}

ReadSettingsResult ReadAfterRestart(BoardChannel& channel, const std::string& ip, int limitMs) {
  constexpr int kAskEveryMs = 500;
  ReadSettingsResult result =
      ReadSettings(channel, ip, {kAskEveryMs, std::max(1, limitMs / kAskEveryMs)});
  if (!result.answered) {
    result.error = QStringLiteral("%1 did not answer within %2 s after the write")
                       .arg(QString::fromStdString(ip))
                       .arg(limitMs / 1000);
  }
  return result;
}

}  // namespace quorvane
