#include "fleet/Discovery.h"

#include <QEventLoop>
#include <QNetworkInterface>
#include <QTimer>
#include <algorithm>

#include "link/Reply.h"

namespace quorvane {

std::vector<SearchTarget> SearchTargets(const QString& onlyInterface) {
  std::vector<SearchTarget> targets;
  if (onlyInterface.isEmpty()) {
    targets.push_back({QStringLiteral("*"), QHostAddress(QHostAddress::Broadcast)});
  }
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    const auto flags = interface.flags();
    if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack)) {
      continue;
    }
    if (!onlyInterface.isEmpty() && interface.name() != onlyInterface) continue;
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol || entry.broadcast().isNull()) {
        continue;
      }
      // Two addresses in one subnet share a broadcast address: one search reaches it.
      const bool known = std::any_of(targets.begin(), targets.end(), [&](const SearchTarget& t) {
        return t.interfaceName == interface.name() && t.broadcast == entry.broadcast();
      });
      if (!known) targets.push_back({interface.name(), entry.broadcast()});
    }
  }
  return targets;
}

QStringList UpInterfaceNames() {
  QStringList names;
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    if (interface.flags().testFlag(QNetworkInterface::IsUp)) names << interface.name();
  }
  return names;
}

SearchResult Discover(DeviceLink& link, const std::vector<SearchTarget>& targets, int waitMs,
                      const QString& onlyInterface,
                      const std::function<void(const FoundBoard&)>& onFound) {
  SearchResult result;
  FoundBoards& found = result.boards;
  QEventLoop loop;
  const QMetaObject::Connection heard = QObject::connect(
      &link, &DeviceLink::DatagramReceived, &loop,
      [&](const QByteArray& bytes, const QString&, int interfaceIndex) {
        const std::string_view text = TextOfDatagram(std::string_view(bytes.data(), bytes.size()));
        if (ClassifyReply(text) != ReplyKind::SearchAnswer) return;
        const std::optional<SearchAnswer> answer = ParseSearchAnswer(text);
        if (!answer) return;
        const QString on = QNetworkInterface::interfaceNameFromIndex(interfaceIndex);
        if (!onlyInterface.isEmpty() && on != onlyInterface) return;
        if (found.Add(*answer, on) && onFound) onFound(found.List().back());
      });
  for (const SearchTarget& target : targets) {
    if (!link.BroadcastCommandTo("ss", target.broadcast)) result.unsent.push_back(target);
  }
  QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
  loop.exec();
  QObject::disconnect(heard);
  return result;
}

}  // namespace quorvane
