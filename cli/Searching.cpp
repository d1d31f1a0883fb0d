#include "cli/Searching.h"

#include "cli/CommandLine.h"
#include "fleet/Discovery.h"

namespace quorvane {

QList<QCommandLineOption> SearchOptions() {
  return {{QStringLiteral("wait"),
           QStringLiteral("How long to collect answers, in seconds (default 2)."),
           QStringLiteral("SECONDS")},
          {QStringLiteral("interface"),
           QStringLiteral("Search on this network interface only (its broadcast addresses; "
                          "answers heard on other interfaces are left out)."),
           QStringLiteral("NAME")}};
}

std::optional<FoundBoards> SearchBoards(const QCommandLineParser& parser, Console& console) {
  const std::optional<int> waitMs = SearchWaitMs(parser, console);
  if (!waitMs) return std::nullopt;
  const QString only = parser.value(QStringLiteral("interface"));
  const std::vector<SearchTarget> targets = SearchTargets(only);
  const QString interfaces = UpInterfaceNames().join(QStringLiteral(", "));
  if (targets.empty()) {
    console.Err(QStringLiteral("no up IPv4 interface named \"%1\" with a broadcast address; up "
                               "interfaces: %2")
                    .arg(only, interfaces));
    return std::nullopt;
  }
  DeviceLink link;
  if (!LinkIsUsable(link, console)) return std::nullopt;
  SearchResult result = Discover(link, targets, *waitMs, only);
  for (const SearchTarget& target : result.unsent) {
    console.Err(QStringLiteral("could not send the search to %1 (%2)")
                    .arg(target.broadcast.toString(), target.interfaceName));
  }
  if (!result.boards.List().empty()) return std::move(result.boards);
  QStringList tried;
  for (const SearchTarget& target : targets) {
    tried << (target.interfaceName == QStringLiteral("*")
                  ? target.broadcast.toString() + QStringLiteral(" (wherever the routes send it)")
                  : target.broadcast.toString() + QStringLiteral(" on ") + target.interfaceName);
  }
  console.Err(QStringLiteral("no board answered within %1 s. Searched: %2. Up interfaces: %3.")
                  .arg(*waitMs / 1000.0)
                  .arg(tried.join(QStringLiteral(", ")), interfaces));
  console.Err(
      QStringLiteral("A board is found only on a network this machine has an address "
                     "on; check the board's network and any firewall on UDP ports "
                     "8113 and 8114."));
  return std::nullopt;
}

}  // namespace quorvane
